#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>

// Runs the built command-line tool of the program folder and collects what it
// printed; status -1 when it did not finish or crashed.
struct Run {
    int status = -1;
    QString out;
    QString err;
};

inline Run pricebook(const QStringList& args)
{
    QProcess p;
    p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", args);
    Run r;
    if (!p.waitForFinished(30000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
