#include "HistoryCommands.h"

#include "AtomicFile.h"
#include "BookHistory.h"
#include "PricebookCommands.h"

#include <QFileInfo>

int CommandHistory(const QStringList& args, QTextStream& out)
{
    if (args.size() != 2)
        throw UsageError{QStringLiteral("history takes exactly one BOOK")};
    const QString& path = args[1];
    const PriceBook current = ReadPriceBookFile(path);
    for (const BookVersion& version : BookVersions(path)) {
        const QFileInfo file(version.file);
        // Who saved it, as far as the file system tells: the owner of the
        // book's file then, which the kept copy was made from.
        out << version.name << '\t' << version.saved.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
            << '\t' << file.owner() << '\t'
            << QStringLiteral("%1 lines differ").arg(DifferingLines(ReadPriceBookFile(version.file), current)) << '\n';
    }
    return 0;
}

int CommandRestore(const QStringList& args, QTextStream& out)
{
    if (args.size() != 3)
        throw UsageError{QStringLiteral("restore takes BOOK and VERSION")};
    const QString& path = args[1];
    BookFingerprint read;
    ReadPriceBookFile(path, &read);
    for (const BookVersion& version : BookVersions(path)) {
        if (version.name != args[2])
            continue;
        const QByteArray bytes = ReadWholeFile(version.file);
        PriceBookFromBytes(version.file, bytes); // a book, or refused before anything is written
        if (BookChangedSince(path, read))
            throw FileError(path, QStringLiteral("was changed by someone else meanwhile; nothing was written"));
        const HistorySave saved = SaveBytesKeepingHistory(path, bytes);
        if (saved.historyFailure)
            throw *saved.historyFailure; // written back, but what it replaced is not kept: said so
        out << "restored " << version.name << '\n';
        return 0;
    }
    throw FileError(path, QStringLiteral("has no version \"%1\" (see pricebook history)").arg(args[2]));
}
