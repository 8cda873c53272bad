#include "RevisionCommands.h"

#include "AtomicFile.h"
#include "BookHistory.h"
#include "MaterialExport.h"
#include "NumberText.h"
#include "PriceBookFile.h"
#include "PriceListRevision.h"
#include "PriceRevision.h"
#include "PricebookCommands.h"
#include "RevisionReport.h"

#include <functional>

namespace {

// The flags of the report: a change beyond ±30 %, a new price of 0.
constexpr double ThresholdPercent = 30.0;



// Prints the preview, writes the report, and stores the new prices unless
// it is a dry run, refusing when someone saved the book meanwhile.
int finish(const QString& path, PriceBook& book, const BookFingerprint& read, const RevisionPreview& preview,
           const CommandOptions& o, QTextStream& out)
{
    const std::vector<RevisionReportRow> rows = RevisionReportRows(book, preview, ThresholdPercent);
    for (const RevisionReportRow& row : rows)
        out << row.cells.join(QLatin1Char('\t')) << '\n';
    out << QStringLiteral("%1 changes, %2 conflicts, %3 rows matched nothing, %4 lines not covered\n")
               .arg(preview.changes.size())
               .arg(preview.conflicts.size())
               .arg(preview.unmatched.size())
               .arg(preview.uncovered.size());
    if (const QString report = o.value("--report"); !report.isEmpty())
        WriteFileAtomically(report, ExportFileBytes(RevisionReportCsv(book, preview, ThresholdPercent)));
    if (o.has("--dry-run") || preview.changes.empty())
        return 0;
    try {
        // The check box of a freshly started window for a material whose
        // setting leaves it open.
        ApplyPriceChanges(book, preview.changes, false);
    } catch (const PriceOverflow& e) {
        throw OverflowInBook(path, e, QStringLiteral("nothing was written"));
    }
    if (BookChangedSince(path, read))
        throw FileError(path, QStringLiteral("was changed by someone else meanwhile; nothing was written"));
    if (const HistorySave saved = SaveBookKeepingHistory(path, book, 0); saved.historyFailure)
        throw *saved.historyFailure; // the prices are stored; what they replaced is not kept: said so
    return 0;
}

} // namespace

int CommandRevise(const QStringList& args, QTextStream& out)
{
    const CommandOptions o = ParseCommandOptions(args, {QStringLiteral("--percent"), QStringLiteral("--materials"), QStringLiteral("--report")},
                            {QStringLiteral("--cost"), QStringLiteral("--dry-run")});
    if (o.positional.size() != 1)
        throw UsageError{QStringLiteral("revise takes exactly one BOOK")};
    const QString percentText = o.value("--percent");
    const std::optional<Currency> percent = ReadDecimal(percentText);
    if (percentText.isEmpty())
        throw UsageError{QStringLiteral("revise needs --percent P")};
    if (!percent || *percent < Currency::fromUnits(-100) || *percent > Currency::fromUnits(1000))
        throw UsageError{QStringLiteral("--percent takes a number from -100 to 1000, not \"%1\"").arg(percentText)};
    const std::vector<int> materials = MaterialList(o.value("--materials"));
    const QString& path = o.positional[0];
    BookFingerprint read;
    PriceBook book = ReadPriceBookFile(path, &read);
    const RevisionPreview preview = PreviewPercentRevision(book, materials, *percent, o.has("--cost"));
    return finish(path, book, read, preview, o, out);
}

int CommandImport(const QStringList& args, QTextStream& out)
{
    const CommandOptions o = ParseCommandOptions(args,
                            {QStringLiteral("--name"), QStringLiteral("--size"), QStringLiteral("--list"),
                             QStringLiteral("--cost"), QStringLiteral("--material"), QStringLiteral("--sheet"),
                             QStringLiteral("--encoding"), QStringLiteral("--report")},
                            {QStringLiteral("--dry-run")});
    if (o.positional.size() != 2)
        throw UsageError{QStringLiteral("import takes BOOK and FILE")};
    PriceListColumnChoice choice;
    choice.goodsName = o.value("--name");
    choice.sizeName = o.value("--size");
    choice.listPrice = o.value("--list");
    choice.costPrice = o.value("--cost");
    choice.materialNumber = o.value("--material");
    if (choice.sizeName.isEmpty() || choice.listPrice.isEmpty()
        || (choice.goodsName.isEmpty() && choice.materialNumber.isEmpty()))
        throw UsageError{QStringLiteral("import needs --size, --list, and --name or --material")};
    PriceListReadOptions read;
    read.sheetName = o.value("--sheet");
    const QString encoding = o.value("--encoding");
    if (encoding == QLatin1String("sjis"))
        read.encoding = TextEncoding::ShiftJis;
    else if (encoding == QLatin1String("utf8"))
        read.encoding = TextEncoding::Utf8;
    else if (!encoding.isEmpty())
        throw UsageError{QStringLiteral("--encoding takes sjis or utf8, not \"%1\"").arg(encoding)};
    const QString& path = o.positional[0];
    const std::vector<RevisionRow> rows = ReadRevisionRows(o.positional[1], read, choice);
    BookFingerprint fingerprint;
    PriceBook book = ReadPriceBookFile(path, &fingerprint);
    return finish(path, book, fingerprint, PreviewPriceList(book, rows), o, out);
}
