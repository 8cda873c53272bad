#include "PrintJob.h"

#include "AtomicFile.h"
#include "JapaneseDate.h"
#include "MaterialExport.h"
#include "MaterialSettings.h"
#include "NumberText.h"
#include "PrintJobFiles.h"
#include "ProgramFiles.h"
#include "SettingsLines.h"

namespace PrintJob {

namespace {

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString levelLabel(int level)
{
    return level <= SubmissionLevels ? QStringLiteral("(Level%1)").arg(level) : QStringLiteral("(仕切)");
}

} // namespace

QStringList ConfLines(const QString& applicationTitle, const QString& programFolder, bool refrigerant)
{
    return {QStringLiteral("[Version]=2.00"),
            QStringLiteral("[Application_Title]=") + applicationTitle,
            QStringLiteral("[Data_Title]=複合単価印刷"),
            QStringLiteral("[STYLE_FILE]="),
            QStringLiteral("[Icon_File]=") + ProgramFiles::inFolder(programFolder, QStringLiteral("Application.ico")),
            refrigerant ? QStringLiteral("[File_Mask]=kvr") : QStringLiteral("[File_Mask]=kvk")};
}

QStringList HeaderLines(const WorkSet& work, int level, QDate today)
{
    const WorkRow& labour = work.labourRow();
    const QString values[] = {
        QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0')),
        JapaneseDate::eraYear(today),
        twoDigits(today.month()),
        twoDigits(today.day()),
        JapaneseDate::weekday(today),
        QString(),
        QString(),
        work.row(4).headerText.text() + work.row(5).headerText.text(),
        PlainText(BaseLabourCost(labour, level)) + levelLabel(level),
        PlainText(BaseLabourCost(labour, CostLevel)),
    };
    QStringList lines;
    for (std::size_t i = 0; i < PrintJobFiles::HeaderTags.size(); ++i)
        lines << QLatin1String(PrintJobFiles::HeaderTags[i]) + QLatin1Char('=') + values[i];
    return lines;
}

void Write(const QString& programFolder, const QString& dataText, const QStringList& confLines,
           const QStringList& headerLines)
{
    const auto path = [&programFolder](const char* name) {
        return ProgramFiles::inFolder(programFolder, QLatin1String(name));
    };
    WriteFileAtomically(path(PrintJobFiles::Data), ExportFileBytes(dataText));
    WriteSettingsLines(path(PrintJobFiles::Conf), confLines);
    WriteSettingsLines(path(PrintJobFiles::Header), headerLines);
}

} // namespace PrintJob
