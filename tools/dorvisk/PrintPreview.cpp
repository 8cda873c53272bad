#include "PrintPreview.h"

#include "PrintLayout.h"
#include "RecentFolders.h"

#include <QDir>
#include <QIcon>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

void PreviewPrintJob(const PrintJobContent& job, RecentFolders& folders)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PrintPageLayout());
    printer.setDocName(job.dataTitle);
    // The print dialog proposes its PDF in the working folder (where that
    // lies in the home folder), which would be this program's own folder.
    QDir::setCurrent(folders.startFolder(FileKind::Pdf));
    QPrintPreviewDialog dialog(&printer);
    dialog.setWindowTitle(job.applicationTitle + QStringLiteral(" - ") + job.dataTitle);
    if (!job.iconFile.isEmpty())
        dialog.setWindowIcon(QIcon(job.iconFile));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&job, &folders](QPrinter* target) {
        PaintPrintJob(job, *target);
        // Painted for the preview with no file; for a print to a file, with the one chosen.
        if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty())
            folders.remember(FileKind::Pdf, target->outputFileName());
    });
    dialog.resize(1100, 800);
    dialog.exec();
}
