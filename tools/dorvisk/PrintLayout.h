#pragma once

#include "PrintJobReader.h"

#include <QPageLayout>

class QPagedPaintDevice;

// Landscape A4 with margins of 10 mm, for the printer and the PDF alike.
QPageLayout PrintPageLayout();

// Two sheet tables fit on one landscape A4 page.
constexpr int SheetsPerPage = 2;

int PageCount(const PrintJobContent& job);

// Paints every page of the job onto a printer or a PDF writer, within the
// paint area of the device's page layout. False when the device refuses to be
// painted on (a PDF file that cannot be created).
bool PaintPrintJob(const PrintJobContent& job, QPagedPaintDevice& device);
