#include "FileError.h"
#include "ProgramFolders.h"
#include "ProgramStart.h"
#include "PrintJobReader.h"
#include "PrintLayout.h"
#include "PrintPreview.h"
#include "RecentFolders.h"

#include <QApplication>
#include <QMessageBox>
#include <QPdfWriter>
#include <cstdio>

namespace {

// "--pdf FILE" anywhere on the command line; empty when absent.
QString pdfTarget(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--pdf") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return QString();
}

int writePdf(const PrintJobContent& job, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageLayout(PrintPageLayout());
    writer.setTitle(job.dataTitle);
    writer.setCreator(job.applicationTitle);
    if (!PaintPrintJob(job, writer)) {
        std::fprintf(stderr, "Dorvisk: %s: cannot be written\n", qPrintable(path));
        return 1;
    }
    return 0;
}

} // namespace

// The print program of the price book manager: it reads the job the main
// program left in the data folder and shows it in a print preview, or
// with --pdf FILE writes the pages as a PDF without a window.
int main(int argc, char* argv[])
{
    const QString pdf = pdfTarget(argc, argv);
    const ProgramInfo dorvisk{"Dorvisk",
                              "使い方: Dorvisk [--pdf FILE]\n"
                              "  プログラムフォルダーの印刷データを印刷プレビューで表示します。\n"
                              "  --pdf FILE  画面を使わずに PDF に書き出します\n"
                              "  --help      この説明を表示します\n"
                              "  --version   版を表示します\n",
                              pdf.isEmpty()};
    if (const std::optional<int> exit = EarlyExit(argc, argv, dorvisk))
        return *exit;
    // A PDF needs no screen; scripts may run it where there is none.
    if (!pdf.isEmpty() && !DisplayReachable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvisk"));
    LoadToolkitJapanese();
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("kavrel")));
    PrintJobContent job;
    try {
        job = ReadPrintJob(CurrentProgramFolders().data);
    } catch (const FileError& e) {
        if (!pdf.isEmpty()) {
            std::fprintf(stderr, "Dorvisk: %s\n", e.message().toUtf8().constData());
            return 1;
        }
        QMessageBox::critical(nullptr, QStringLiteral("Dorvisk"),
                              QStringLiteral("印刷データを読めません。\n") + e.message());
        return 1;
    }
    if (!pdf.isEmpty())
        return writePdf(job, pdf);
    RecentFolders folders(RecentFoldersFile(CurrentProgramFolders().data));
    PreviewPrintJob(job, folders);
    return 0;
}
