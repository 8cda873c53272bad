#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "InformationCommands.h"
#include "ManualWindow.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "ProgramFiles.h"
#include "RecentFolders.h"

#include <QFileInfo>

// The commands of the File menu, the title strip's save button and help.

void TFTANKAREGIST::file_readClick()
{
    // The answer saves or not; `modified` stays until a load replaces the
    // book, so a cancelled or failed load loses nothing.
    askToSave();
    RecentFolders folders(ProgramFiles::recentFolders(programFolder_));
    const QString chosen = ModalSeam::current().openFileName(this, ApplicationTitle(), folders.startFolder(FileKind::Book),
                                                             PriceBookFileFilter());
    if (chosen.isEmpty())
        return;
    folders.remember(FileKind::Book, chosen);
    session_.LoadUserFile(WithDefaultExtension(chosen));
    showStatusPath();
    SelectMaterial(0);
}

void TFTANKAREGIST::SaveAsClick()
{
    RecentFolders folders(ProgramFiles::recentFolders(programFolder_));
    const QString chosen = ModalSeam::current().saveFileName(this, ApplicationTitle(), folders.startFolder(FileKind::Book),
                                                             PriceBookFileFilter(), QStringLiteral("FDA"));
    if (chosen.isEmpty())
        return;
    folders.remember(FileKind::Book, chosen);
    session_.SavePriceBook(chosen);
    showStatusPath();
}

void TFTANKAREGIST::tellSessionNotices()
{
    if (const std::optional<LockHolder> other = session_.TakeLockNotice())
        InfoBox(LockNoticeText(*other), ConfirmCaption());
    if (const std::optional<FileError> failure = session_.TakeHistoryFailure())
        ModalSeam::current().errorReport(this, ApplicationTitle(), failure->reportText());
}

void TFTANKAREGIST::N1Click()
{
    // Only a file really written is reported as saved.
    if (!session_.SavePriceBook(session_.currentPath()))
        return;
    showStatusPath();
    InfoBox(QStringLiteral("保存しました。\r\n") + session_.currentPath(), ConfirmCaption());
}

void TFTANKAREGIST::IconButton11Click()
{
    session_.SavePriceBook(session_.currentPath());
    showStatusPath();
}

void TFTANKAREGIST::N23Click()
{
    InfoBox(ApplicationTitle() + QStringLiteral("\r\nRelease 20040815A"), ConfirmCaption());
}

void TFTANKAREGIST::N13Click()
{
    if (OpenHelp(programFolder_))
        return;
    // No handler for it on this desktop: the manual in a window of ours.
    const QString manual = ProgramFiles::manualFile(programFolder_);
    if (!QFileInfo::exists(manual)) {
        InfoBox(QStringLiteral("取扱説明書が見つかりません。\r\n") + manual, ConfirmCaption());
        return;
    }
    (new ManualWindow(manual, this))->show();
}
