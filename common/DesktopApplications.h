#pragma once

#include <QString>
#include <QStringList>

// The desktop's default application for a kind of file, as the desktops of
// this platform record it: the first entry for the MIME type under
// "[Default Applications]" of the mimeapps.list files, read in their order
// of precedence (the user's configuration, the system's, then the data
// folders), whose desktop entry is there and may run. Its command line, the
// program first, without the entry's field codes; empty when none is set.
QStringList DefaultApplicationCommand(const QString& mimeType);

// The arguments of a desktop entry's "Exec" value: split at spaces outside
// double quotes, the quoting's escapes undone, field codes such as "%f" and
// "%U" dropped and "%%" kept as "%". Empty for a value that does not parse
// (an open quote).
QStringList DesktopExecArguments(const QString& exec);
