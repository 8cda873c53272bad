#pragma once

#include <QStringList>
#include <QTextStream>

// pricebook export FILE --material M --level L [--headings] [--results]
//                  [--output OUT] [--utf8] [--xlsx]
// The bytes of the main window's CSV file of material M at level L, from the
// book on disk, which stays as it is. Without --output the bytes go to the
// device of `out`. With --xlsx, the same rows as an XLSX workbook at OUT.
int CommandExport(const QStringList& args, QTextStream& out);

// pricebook export-book BOOK --xlsx OUT [--level L] [--headings] [--results]
// Every material of the book that has a goods name, one worksheet each, in
// the XLSX workbook OUT; LEVEL1 unless --level says otherwise.
int CommandExportBook(const QStringList& args);
