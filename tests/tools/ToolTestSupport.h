#pragma once

#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// Runs the built command-line tool of the program folder and collects what it
// printed; status -1 when it did not finish or crashed.
struct Run {
    int status = -1;
    QString out;
    QString err;
    QByteArray bytes; // standard output as written
};

// Waits for a started program and collects what it printed.
inline Run finish(QProcess& p)
{
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.bytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.bytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline Run pricebook(const QStringList& args)
{
    QProcess p;
    p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", args);
    return finish(p);
}

// The file the sample book of a category is saved as.
inline QByteArray sampleBytes(int category)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("book.FDA");
    WritePriceBookFile(path, SampleBook(category), 0);
    return FileBytes(path);
}
