#pragma once

#include <QStringList>
#include <QTextStream>

// pricebook diff A B [--materials LIST] [--format text|csv] [--prices-only]
// Prints every difference from book A to book B. Returns 0 when there is
// none, 1 when there are some, and 2 when a book cannot be read, which it
// reports on `err`: unlike the other commands, whose failure is 1, since 1
// already means "the books differ". Usage errors are thrown as UsageError.
int CommandDiff(const QStringList& args, QTextStream& out, QTextStream& err);
