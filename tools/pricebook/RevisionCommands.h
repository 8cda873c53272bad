#pragma once

#include <QStringList>
#include <QTextStream>

// pricebook revise BOOK --percent P [--materials LIST] [--cost] [--dry-run] [--report OUT.csv]
int CommandRevise(const QStringList& args, QTextStream& out);

// pricebook import BOOK FILE --name COL --size COL --list COL [--cost COL] [--material COL]
//   [--sheet NAME] [--encoding sjis|utf8] [--dry-run] [--report OUT.csv]
int CommandImport(const QStringList& args, QTextStream& out);
