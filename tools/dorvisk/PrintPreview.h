#pragma once

#include "PrintJobReader.h"

class RecentFolders;

// Shows the job in a print preview until the user closes it. A PDF that its
// print dialog writes is proposed in the folder last used for PDFs (the
// documents folder the first time), and the folder the user chose is kept
// for the next.
void PreviewPrintJob(const PrintJobContent& job, RecentFolders& folders);
