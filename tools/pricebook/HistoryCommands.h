#pragma once

#include <QStringList>
#include <QTextStream>

// pricebook history BOOK: the kept versions, newest first.
int CommandHistory(const QStringList& args, QTextStream& out);
// pricebook restore BOOK VERSION: the version written back, the one it
// replaces kept in the history too.
int CommandRestore(const QStringList& args, QTextStream& out);
