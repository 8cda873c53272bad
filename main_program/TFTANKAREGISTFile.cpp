#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "InformationCommands.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "ProgramFiles.h"

#include <QFileInfo>

// The commands of the File menu, the title strip's save button and help.

namespace {

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

} // namespace

void TFTANKAREGIST::file_readClick()
{
    // The answer saves or not; `modified` stays until a load replaces the
    // book, so a cancelled or failed load loses nothing.
    askToSave();
    const QString chosen = ModalSeam::current().openFileName(this, ApplicationTitle(), folderOf(session_.currentPath()),
                                                             PriceBookFileFilter());
    if (chosen.isEmpty())
        return;
    session_.LoadUserFile(WithDefaultExtension(chosen));
    showStatusPath();
    SelectMaterial(0);
}

void TFTANKAREGIST::SaveAsClick()
{
    const QString chosen = ModalSeam::current().saveFileName(this, ApplicationTitle(), folderOf(session_.currentPath()),
                                                             PriceBookFileFilter(), QStringLiteral("FDA"));
    if (chosen.isEmpty())
        return;
    session_.SavePriceBook(chosen);
    showStatusPath();
}

void TFTANKAREGIST::N1Click()
{
    // Only a file really written is reported as saved.
    if (!session_.SavePriceBook(session_.currentPath()))
        return;
    showStatusPath();
    InfoBox(QStringLiteral("保存しました。\r\n") + session_.currentPath(), QStringLiteral("確認"));
}

void TFTANKAREGIST::IconButton11Click()
{
    session_.SavePriceBook(session_.currentPath());
    showStatusPath();
}

void TFTANKAREGIST::N23Click()
{
    InfoBox(ApplicationTitle() + QStringLiteral("\r\nRelease 20040815A"), QStringLiteral("確認"));
}

void TFTANKAREGIST::N13Click()
{
    OpenHelp(programFolder_);
}
