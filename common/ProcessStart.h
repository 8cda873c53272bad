#pragma once

#include <QString>
#include <QStringList>

// The program file that `name` starts: looked for in `besideFolder` first,
// then on the search path. Empty when there is none.
QString FindProgram(const QString& name, const QString& besideFolder);

// Starts a program as a process of its own, without waiting for it. A
// program that is missing or does not start is not an error: false.
bool StartProgram(const QString& name, const QStringList& arguments = {},
                  const QString& besideFolder = QString());
