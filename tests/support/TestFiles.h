#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

// The bytes of a file; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The names of the files in a folder, sorted.
inline QStringList FileNames(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

// Replaces a file with `bytes` in place, or with QIODevice::Append adds them
// at its end; fails the test when it cannot.
inline void PutFileBytes(const QString& path, const QByteArray& bytes,
                         QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile f(path);
    QVERIFY(f.open(mode));
    QCOMPARE(f.write(bytes), bytes.size());
}
