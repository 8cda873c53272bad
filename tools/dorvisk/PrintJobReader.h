#pragma once

#include "PrintJobFiles.h"

#include <QList>
#include <QString>
#include <array>

// One line of the data file: the 23 fields of one price line.
using PrintRow = std::array<QString, PrintJobFiles::DataFields>;

// The sheets of the data file, 14 lines each in the order written.
struct PrintSheet {
    QList<PrintRow> rows;
    QString goodsName() const { return rows.first()[0]; }
    QString usage() const { return rows.first()[1]; }
    QString jointMethod() const { return rows.first()[2]; }
    QString sheetName() const { return rows.first()[3]; }
};

// Everything a print job hands over.
struct PrintJobContent {
    QString applicationTitle;
    QString dataTitle;
    QString iconFile;
    bool refrigerant = false; // [File_Mask]=kvr
    // The values of the header file, in the order of PrintJobFiles::HeaderTags.
    std::array<QString, PrintJobFiles::HeaderTags.size()> header;
    QList<PrintSheet> sheets;

    const QString& headerValue(int tagIndex) const { return header[static_cast<std::size_t>(tagIndex)]; }
};

// Reads the three job files from `folder`. A missing file or one that is not
// what the main program writes throws FileError naming the file and the fault.
PrintJobContent ReadPrintJob(const QString& folder);
