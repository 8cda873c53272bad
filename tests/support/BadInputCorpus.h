#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// One entry of the bad-input corpus (tests/data/bad-input/EXPECTED.txt).
struct BadInput {
    QString file;   // in the corpus folder, or "@what.ext" to be made
    QString kind;   // book, disp, conf, ini, adv, comment, keito
    bool error = false;
    QMap<QString, QString> equal;    // name=value
    QMap<QString, QString> contains; // name~part

    // The name the file is placed under: the corpus name without its "@".
    QString placedName() const;
    // "error", "quiet" or "overflow": what the main window shows on opening it.
    QString window() const;
};

QList<BadInput> BadInputs();

// Puts the entry at `path`: the corpus file with "{dir}" replaced by
// `folder`, or the pipe, folder, device or sparse file it names. False when
// this process may not make it (a device, or an unreadable file for root).
bool PlaceBadInput(const BadInput& input, const QString& path, const QString& folder);

// What a test compares to see that nothing changed at `path`: its type,
// inode, size and time, and for a regular file its first megabyte.
QByteArray StateOf(const QString& path);

// Checks the values read against the entry's; an empty text when they hold,
// else what differs.
QString CheckBadInputValues(const BadInput& input, const QMap<QString, QString>& values, const QString& folder);
