#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "AtomicFile.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "PrintJob.h"
#include "ProcessStart.h"
#include "TStrColGrid.h"
#include "Tflevel_select.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTabBar>

std::optional<QString> TFTANKAREGIST::exportMaterial(ExportMode mode)
{
    Tflevel_select dialog(this);
    if (mode == ExportMode::Print)
        dialog.hideOptions();
    ModalSeam::current().exec(dialog);
    const ExportChoices choices{dialog.checkedLevel(), dialog.writeHeadings(), dialog.writeComputedResults()};
    // The chosen level is shown also after a cancel; the print header reads
    // it back from this selection.
    const TGridRect selection = StrColGrid2->Selection();
    StrColGrid2->SetSelection({choices.level, selection.Top, choices.level, selection.Bottom});
    showLabourRows();
    if (dialog.resultValue() != 1)
        return std::nullopt;
    ExportView view;
    for (int tab = 0; tab < TabControl1->count(); ++tab)
        view.sheetNames << TabControl1->tabText(tab);
    for (std::size_t panel = 0; panel < view.headerTexts.size(); ++panel)
        view.headerTexts[panel] = statusPanels[panel]->text();
    return ::ExportMaterialText(session_.work, view, mode, choices);
}

void TFTANKAREGIST::CSV1Click()
{
    const std::optional<QString> text = exportMaterial(ExportMode::File);
    if (!text)
        return;
    const QString path = ModalSeam::current().saveFileName(this, ApplicationTitle(), programFolder_,
                                                           QStringLiteral("*.CSV (*.CSV *.csv)"), QStringLiteral("CSV"));
    if (path.isEmpty())
        return;
    WriteFileAtomically(path, ExportFileBytes(*text));
    InfoBox(QStringLiteral("ＣＳＶ出力しました。"), QStringLiteral("確認"));
}

void TFTANKAREGIST::N19Click()
{
    const std::optional<QString> text = exportMaterial(ExportMode::Clipboard);
    if (!text)
        return;
    QGuiApplication::clipboard()->setText(*text);
    InfoBox(QStringLiteral("クリップボ－ドへコピ－しました。"), QStringLiteral("確認"));
}

void TFTANKAREGIST::N8Click()
{
    const std::optional<QString> data = exportMaterial(ExportMode::Print);
    if (!data)
        return;
    const int level = StrColGrid2->Selection().Left;
    PrintJob::Write(programFolder_, *data, PrintJob::ConfLines(ApplicationTitle(), programFolder_, session_.refrigerant()),
                    PrintJob::HeaderLines(session_.work, level, QDate::currentDate()));
    StartProgram(QStringLiteral("Dorvisk.exe"), {}, programFolder_);
}
