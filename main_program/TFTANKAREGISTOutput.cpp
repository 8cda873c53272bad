#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "AtomicFile.h"
#include "MaterialWorkbook.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "PrintJob.h"
#include "ProcessStart.h"
#include "ProgramFiles.h"
#include "RecentFolders.h"
#include "TStrColGrid.h"
#include "Tflevel_select.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

std::optional<TFTANKAREGIST::Export> TFTANKAREGIST::exportMaterial(ExportMode mode)
{
    Tflevel_select dialog(this);
    if (mode == ExportMode::Print)
        dialog.hideOptions();
    ModalSeam::current().exec(dialog);
    const ExportChoices choices{dialog.checkedLevel(), dialog.writeHeadings(), dialog.writeComputedResults()};
    // The chosen level is shown also after a cancel.
    const TGridRect selection = StrColGrid2->Selection();
    StrColGrid2->SetSelection({choices.level, selection.Top, choices.level, selection.Bottom});
    showLabourRows();
    if (dialog.resultValue() != 1)
        return std::nullopt;
    const WorkSet& work = session_.work();
    return Export{::ExportMaterialText(work, ShownExportView(work), mode, choices), choices.level, choices};
}

void TFTANKAREGIST::exportToFile(const QString& filter, const QString& suffix, const QString& done,
                                 const std::function<void(const Export&, const QString&)>& write)
{
    const std::optional<Export> exported = exportMaterial(ExportMode::File);
    if (!exported)
        return;
    RecentFolders folders(ProgramFiles::recentFolders(programFolder_));
    const QString path =
        ModalSeam::current().saveFileName(this, ApplicationTitle(), folders.startFolder(FileKind::Csv), filter, suffix);
    if (path.isEmpty())
        return;
    write(*exported, path);
    folders.remember(FileKind::Csv, path);
    InfoBox(done + QStringLiteral("\r\n") + QDir::toNativeSeparators(path), ConfirmCaption());
}

void TFTANKAREGIST::CSV1Click()
{
    exportToFile(QStringLiteral("*.CSV (*.CSV *.csv)"), QStringLiteral("CSV"), QStringLiteral("ＣＳＶ出力しました。"),
                 [](const Export& exported, const QString& path) {
                     WriteFileAtomically(path, ExportFileBytes(exported.text));
                 });
}

void TFTANKAREGIST::workbookClick()
{
    exportToFile(QStringLiteral("Excel ブック (*.xlsx)"), QStringLiteral("xlsx"), QStringLiteral("Excel ブックに出力しました。"),
                 [this](const Export& exported, const QString& path) {
                     const WorkSet& work = session_.work();
                     WriteMaterialWorkbook(path, work, ShownExportView(work), exported.choices, session_.currentPath(),
                                           session_.currentMaterial());
                 });
}

void TFTANKAREGIST::N19Click()
{
    const std::optional<Export> exported = exportMaterial(ExportMode::Clipboard);
    if (!exported)
        return;
    QGuiApplication::clipboard()->setText(exported->text);
    InfoBox(QStringLiteral("クリップボ－ドへコピ－しました。"), ConfirmCaption());
}

void TFTANKAREGIST::N8Click()
{
    const std::optional<Export> data = exportMaterial(ExportMode::Print);
    if (!data)
        return;
    PrintJob::Write(programFolder_, data->text,
                    PrintJob::ConfLines(ApplicationTitle(), programFolder_, session_.refrigerant()),
                    PrintJob::HeaderLines(session_.work(), data->level, QDate::currentDate()));
    StartProgram(QStringLiteral("Dorvisk.exe"), {}, programsFolder_);
}
