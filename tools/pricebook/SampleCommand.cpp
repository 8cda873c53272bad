#include "SampleCommand.h"

#include "DataFileConfig.h"
#include "FileError.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"

#include <QDir>
#include <QFileInfo>

int WriteSampleBooks(const QString& folder, QTextStream& out)
{
    const DataFileConfig defaults = DefaultDataFileConfig(folder);
    for (int k = 0; k < CategoryCount; ++k) {
        const QString& path = defaults.fileName[k];
        // A book there, or a link to one not reachable now, may hold
        // someone's prices: never replace it.
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
            out << "skipped " << path << ": already exists\n";
            continue;
        }
        const QString bookFolder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(bookFolder))
            throw FileError(bookFolder, QStringLiteral("cannot create the folder"));
        // Numbered as a save after the start-up load, so that a recompute
        // leaves the file as it is.
        WritePriceBookFile(path, SampleBook(k), 0);
        out << "wrote " << path << '\n';
    }
    return 0;
}
