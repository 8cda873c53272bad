#pragma once

#include <QString>
#include <QStringList>

// The absolute form of `path` with every existing component spelled as it is
// stored on disk; components that do not exist stay as written. On folders
// shared from case-insensitive file systems the stored spelling may differ
// from the one typed.
QString LongPathForm(const QString& path);

// LongPathForm of each path, every folder they share read once; an empty
// path stays empty.
QStringList LongPathForms(const QStringList& paths);
