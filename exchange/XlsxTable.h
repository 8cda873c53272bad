#pragma once

#include "PriceListTable.h"

// The names of the sheets of an XLSX file's bytes, in the workbook's order.
// Throws FileError naming the file for a broken zip or one that is no
// workbook (no xl/workbook.xml, XML that does not parse).
QStringList XlsxSheetNames(const QString& path, const QByteArray& bytes);

// The rows of one worksheet of an XLSX file's bytes: the first sheet, or the
// one named `sheetName`. Throws FileError naming the file as XlsxSheetNames
// does, and for a sheet that is not there, is no worksheet, or whose part
// does not read (every part held to PriceListMaxBytes unpacked).
PriceListTable XlsxTableFromBytes(const QString& path, const QByteArray& bytes, const QString& sheetName);
