// A price book file of any bytes. Fewer than 432000 is an error naming the
// file; otherwise every material computes as the window selects it, or ends
// in PriceOverflow naming that material, never in a wrapped price; the tree
// labels and the CSV of every material build; and what a save writes reads
// back as the same book, numbered as that save numbers it.
#include "FuzzSupport.h"

#include "CompositePrice.h"
#include "FileError.h"
#include "MaterialExport.h"
#include "PriceBookFile.h"
#include "PriceOverflow.h"

namespace {

const QString Path = QStringLiteral("haikan1.FDA");

// The books and the bytes are read and written into the same memory input
// after input: fresh memory of their size, mapped and cleared each time, took
// a third of the run.
PriceBook book;
PriceBook reread;
QByteArray saved;

// The book read back from what a save with `recordBase` writes.
void CheckSavedBookReadsBack(std::int64_t recordBase)
{
    PriceBookBytes(book, recordBase, saved);
    FUZZ_CHECK(saved.size() == PriceBookFileSize);
    PriceBookFromBytes(Path, saved, reread);
    for (int k = 1; k <= BookRows; ++k) {
        FUZZ_CHECK(static_cast<const RowFields&>(reread.row(k)) == static_cast<const RowFields&>(book.row(k)));
        FUZZ_CHECK(reread.row(k).recordNo == Currency::fromUnits(recordBase + k));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        PriceBookFromBytes(Path, QByteArrayView(data, static_cast<qsizetype>(size)), book);
    } catch (const FileError& e) {
        FUZZ_CHECK(size < std::size_t(PriceBookFileSize));
        FUZZ_CHECK(e.file() == Path && !e.reason().isEmpty());
        return 0;
    }
    FUZZ_CHECK(size >= std::size_t(PriceBookFileSize));
    CheckSavedBookReadsBack(0);

    WorkSet work;
    bool ratePricing = false;
    for (int m = 0; m < Materials; ++m) {
        MaterialLabel(book, m);
        try {
            SelectAndComputeMaterial(work, book, m, ratePricing);
        } catch (const PriceOverflow& e) {
            FUZZ_CHECK(e.material() == m);
            continue;
        }
        for (int level = Level1; level <= CostLevel; ++level) {
            const ExportChoices choices{level, true, true};
            ExportFileBytes(ExportMaterialText(work, ShownExportView(work), ExportMode::File, choices));
        }
    }
    CheckSavedBookReadsBack(13200);
    return 0;
}
