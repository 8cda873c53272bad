#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "ProgramStart.h"
#include "StartFolders.h"
#include "TFTANKAREGIST.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"

#include <QDir>
#include <QFileInfo>

const ProgramInfo Kavrel{"kavrel",
                         "使い方: kavrel [カテゴリ番号;管材番号;]\n"
                         "  複合単価（管材編）の単価ファイルを管理します。\"3;5;\" はカテゴリ3の管材5を開きます。\n"
                         "  --help     この説明を表示します\n"
                         "  --version  版を表示します\n"};

int main(int argc, char* argv[])
{
    if (const std::optional<int> exit = EarlyExit(argc, argv, Kavrel))
        return *exit;
    GuardedApplication app(argc, argv);
    LoadToolkitJapanese();
    UseJapaneseFace();
    SetApplicationTitle(QStringLiteral("Zavrikon（管材編）"));
    const std::optional<ProgramFolders> folders = PrepareProgramFolders(QStringLiteral("kavrel"));
    if (!folders)
        return 1;
    // The program's files are named after it in its data folder ("kavrel.ini").
    const QString programFile =
        QDir(folders->data).filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    TFTANKAREGIST window(programFile, app.arguments().mid(1));
    window.setProgramsFolder(folders->programs);
    // Created after the main window, it reads the data file configuration.
    Tkvconfig config(folders->data, &window);
    window.setConfigDialog(&config);
    ExitAfterFirstPaintWhenTimed(window.StrColGrid1->viewport());
    window.show();
    return app.exec();
}
