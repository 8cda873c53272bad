#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "ProgramStart.h"
#include "StartFolders.h"
#include "TFTANKAREGIST.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace {

// For timing the whole start from outside: with KAVREL_EXIT_AFTER_FIRST_PAINT
// set, the program ends as soon as the labour rate table has first been
// painted with the start-up material, without closing the window (which
// would save settings). Not a user setting; nothing else reads it.
class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

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
    ExitAfterFirstPaint exitAfterFirstPaint;
    if (qEnvironmentVariableIsSet("KAVREL_EXIT_AFTER_FIRST_PAINT"))
        window.StrColGrid1->viewport()->installEventFilter(&exitAfterFirstPaint);
    window.show();
    return app.exec();
}
