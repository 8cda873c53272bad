#include "PrintJobReader.h"

#include "FileError.h"
#include "SettingsLines.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int LinesPerSheet = 14;

QString pathOf(const QString& folder, const char* name)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(QLatin1String(name)));
}

QStringList readJobFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw FileError(path, QStringLiteral("ファイルがありません。印刷は本体の「印  刷」から始めてください。"));
    return ReadSettingsLines(path);
}

void readConf(const QString& folder, PrintJobContent& job)
{
    const QString path = pathOf(folder, PrintJobFiles::Conf);
    const QStringList lines = readJobFile(path);
    const QString version = SettingsValue(lines, QStringLiteral("[Version]"));
    if (version.isEmpty())
        throw FileError(path, QStringLiteral("[Version] がありません。"));
    job.applicationTitle = SettingsValue(lines, QStringLiteral("[Application_Title]"));
    job.dataTitle = SettingsValue(lines, QStringLiteral("[Data_Title]"));
    job.iconFile = SettingsValue(lines, QStringLiteral("[Icon_File]"));
    const QString mask = SettingsValue(lines, QStringLiteral("[File_Mask]"));
    if (mask != QLatin1String("kvk") && mask != QLatin1String("kvr"))
        throw FileError(path, QStringLiteral("[File_Mask] は kvk か kvr のはずですが「%1」です。").arg(mask));
    job.refrigerant = mask == QLatin1String("kvr");
}

void readHeader(const QString& folder, PrintJobContent& job)
{
    const QStringList lines = readJobFile(pathOf(folder, PrintJobFiles::Header));
    for (std::size_t i = 0; i < PrintJobFiles::HeaderTags.size(); ++i)
        job.header[i] = SettingsValue(lines, QLatin1String(PrintJobFiles::HeaderTags[i]));
}

PrintRow parseRow(const QString& line, const QString& path, int lineNumber)
{
    QStringList fields = line.split(QLatin1Char(';'));
    // Every field is followed by ";", so the split leaves one empty part.
    if (fields.size() != PrintJobFiles::DataFields + 1 || !fields.last().isEmpty())
        throw FileError(path, QStringLiteral("%1 行目の項目が %2 個です（%3 個のはずです）。")
                                  .arg(lineNumber)
                                  .arg(fields.last().isEmpty() ? fields.size() - 1 : fields.size())
                                  .arg(PrintJobFiles::DataFields));
    PrintRow row;
    for (int i = 0; i < PrintJobFiles::DataFields; ++i)
        row[static_cast<std::size_t>(i)] = fields[i];
    return row;
}

void readData(const QString& folder, PrintJobContent& job)
{
    const QString path = pathOf(folder, PrintJobFiles::Data);
    const QStringList lines = readJobFile(path);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        if (job.sheets.isEmpty() || job.sheets.last().rows.size() == LinesPerSheet)
            job.sheets.append(PrintSheet{});
        job.sheets.last().rows.append(parseRow(lines[i], path, i + 1));
    }
    if (job.sheets.isEmpty())
        throw FileError(path, QStringLiteral("印刷する行がありません。"));
}

} // namespace

PrintJobContent ReadPrintJob(const QString& folder)
{
    PrintJobContent job;
    readConf(folder, job);
    readHeader(folder, job);
    readData(folder, job);
    return job;
}
