#pragma once

#include "PrintJobReader.h"

class QPagedPaintDevice;

// Two sheet tables fit on one landscape A4 page.
constexpr int SheetsPerPage = 2;

int PageCount(const PrintJobContent& job);

// Paints every page of the job onto a printer or a PDF writer, within the
// paint area of the device's page layout. False when the device refuses to be
// painted on (a PDF file that cannot be created).
bool PaintPrintJob(const PrintJobContent& job, QPagedPaintDevice& device);
