#pragma once

#include "PriceListTable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>

// What the price list tests share: files they write, packages they build by
// hand and a short text of a table to compare.

// Writes `bytes` as `name` in `dir` and returns its path.
QString PutTestFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);

// A zip of the members in their order, deflated or, with `stored`, as they
// are (so that a test can break one byte of a member's data).
using ZipMember = std::pair<QString, QByteArray>;
QByteArray ZipBytes(const QList<ZipMember>& members, bool stored = false);

// The members of a workbook package with these sheets (name and the rows
// inside <sheetData>) and shared string items (inside <sst>), as a
// spreadsheet program lays it out; a test changes or drops members before
// ZipBytes to break it.
QList<ZipMember> XlsxMembers(const QList<std::pair<QString, QByteArray>>& sheets, const QByteArray& sharedItems = {});

// The rows of a table as "number:cell|cell|…", one a row.
QStringList TableLines(const PriceListTable& table);

// The message of the FileError reading the file throws; empty when it reads.
QString ReadFailure(const QString& path, const PriceListReadOptions& options = {});
