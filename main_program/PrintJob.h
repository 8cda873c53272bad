#pragma once

#include "WorkSet.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The three files of a print job, written into the program folder for the
// print program to read.
namespace PrintJob {

// "Print.conf": version, titles, the icon and the mask of the material's mode.
QStringList ConfLines(const QString& applicationTitle, const QString& programFolder, bool refrigerant);

// "print_header.dat": today's date, the price reference and the base labour
// costs of `level` (1..5, or CostLevel) and of the cost level.
QStringList HeaderLines(const WorkSet& work, int level, QDate today);

// Writes the data file (the print mode export text), then the other two.
// Throws FileError when one cannot be written; those after it are not.
void Write(const QString& programFolder, const QString& dataText, const QStringList& confLines,
           const QStringList& headerLines);

} // namespace PrintJob
