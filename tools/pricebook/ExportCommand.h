#pragma once

#include <QStringList>
#include <QTextStream>

// pricebook export FILE --material M --level L [--headings] [--results]
//                  [--output OUT] [--utf8]
// The bytes of the main window's CSV file of material M at level L, from the
// book on disk, which stays as it is. Without --output the bytes go to the
// device of `out`.
int CommandExport(const QStringList& args, QTextStream& out);
