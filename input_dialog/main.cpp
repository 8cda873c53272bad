#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "ProgramStart.h"
#include "StartFolders.h"
#include "TFKANZAI.h"

#include <QListWidget>

namespace {

const ProgramInfo KanzaiInput{"kanzai_input",
                              "使い方: kanzai_input \"モード;レベル;系統番号;系統名;\"\n"
                              "  見積プログラムから起動される配管材入力ダイアログです。\n"
                              "  モード 0 は見積プログラム、1 は拾い出しプログラムへ明細を送ります。\n"
                              "  --help     この説明を表示します\n"
                              "  --version  版を表示します\n"};

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> exit = EarlyExit(argc, argv, KanzaiInput))
        return *exit;
    GuardedApplication app(argc, argv);
    LoadToolkitJapanese();
    UseJapaneseFace();
    SetApplicationTitle(QStringLiteral("配管材入力ダイアログ"));
    const std::optional<ProgramFolders> folders = PrepareProgramFolders(QStringLiteral("kanzai_input"));
    if (!folders)
        return 1;
    TFKANZAI dialog(folders->data, app.arguments().mid(1));
    dialog.setProgramsFolder(folders->programs);
    ExitAfterFirstPaintWhenTimed(dialog.ListBox1->viewport());
    dialog.show();
    return app.exec();
}
