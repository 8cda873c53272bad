#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct zip;

// A zip archive read from memory, its members unpacked one at a time.
class ZipArchive {
public:
    // Opens the archive in `bytes`, which must outlive it. Throws FileError
    // naming `path` for bytes that are no zip or a broken one.
    ZipArchive(const QString& path, const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool contains(const QString& member) const;

    // The unpacked bytes of a member. Throws FileError naming the file and
    // the member when it is missing, would unpack to more than `limit`
    // bytes (told before unpacking), or is broken.
    QByteArray read(const QString& member, qint64 limit) const;

private:
    QString path_;
    zip* archive_ = nullptr;
};
