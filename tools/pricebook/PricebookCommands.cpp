#include "PricebookCommands.h"

#include "BookDump.h"
#include "BookHistory.h"
#include "CompositePrice.h"
#include "DiffCommand.h"
#include "ExportCommand.h"
#include "FileError.h"
#include "HistoryCommands.h"
#include "PriceBookFile.h"
#include "PriceOverflow.h"
#include "ProgramStart.h"
#include "RevisionCommands.h"
#include "SampleCommand.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const char* const Usage =
    "usage: pricebook COMMAND FILE [options]\n"
    "\n"
    "commands:\n"
    "  new FILE                     create a blank price book (fails if FILE exists)\n"
    "  recompute FILE...            recompute every material of each book as a freshly started main\n"
    "                               window does when it selects materials 1 to 20 in order (a rate\n"
    "                               pricing setting other than 0 or 1 keeps the state the previous\n"
    "                               material left), then save it; a book that cannot be read, has a\n"
    "                               value too large for a price or cannot be saved is reported and\n"
    "                               left as it was, the other books are still done, and the exit\n"
    "                               status is then 1\n"
    "  dump FILE [--material M]     print one line per record (M from 1 to 20)\n"
    "  sample DIR                   write sample books to DIR/kanzai/haikan1..10.FDA, keeping existing ones\n"
    "  export FILE --material M --level L [--headings] [--results] [--output OUT] [--utf8] [--xlsx]\n"
    "                               the CSV of material M at level L (1-5 LEVEL1-5, 6 cost),\n"
    "                               Shift-JIS unless --utf8, on standard output unless --output;\n"
    "                               with --xlsx an XLSX workbook at OUT, one worksheet a sheet\n"
    "  export-book BOOK --xlsx OUT [--level L] [--headings] [--results]\n"
    "                               every material with a goods name as one worksheet of the XLSX\n"
    "                               workbook OUT, at LEVEL1 unless --level; the others are left out\n"
    "  import BOOK FILE --size COL --list COL [--name COL] [--cost COL] [--material COL]\n"
    "         [--sheet NAME] [--encoding sjis|utf8] [--dry-run] [--report OUT.csv]\n"
    "                               new prices from a supplier's list (CSV or XLSX): a row meets the\n"
    "                               line whose goods name (or material number) and size name are its\n"
    "                               own, half- and full-width alike; COL is a column letter or a\n"
    "                               heading; prints every change, conflict, unmatched row and line not\n"
    "                               covered, then stores the changes as typing them would\n"
    "  revise BOOK --percent P [--materials LIST] [--cost] [--dry-run] [--report OUT.csv]\n"
    "                               list (or cost) prices raised by P percent (-3.5 lowers), rounded as\n"
    "                               each material's rate pricing rounds; LIST is \"3,7,13\" (1 to 20)\n"
    "  diff A B [--materials LIST] [--format text|csv] [--prices-only]\n"
    "                               every difference from book A to book B: material, sheet, line,\n"
    "                               field, old and new value, and the change in percent of prices;\n"
    "                               exit status 0 when equal, 1 when they differ, 2 on any error\n"
    "  history BOOK                 the versions of BOOK its saves kept in .history/, newest first:\n"
    "                               VERSION, time of its save, owner, lines that differ from BOOK\n"
    "  restore BOOK VERSION         write VERSION back as BOOK, keeping the version it replaces\n"
    "  --help                       show this text\n"
    "  --version                    show the version\n";

int commandNew(const QStringList& args)
{
    if (args.size() != 2)
        throw UsageError{QStringLiteral("new takes exactly one FILE")};
    const QString& path = args[1];
    if (QFileInfo::exists(path))
        throw FileError(path, QStringLiteral("already exists; nothing was written"));
    WritePriceBookFile(path, BlankPriceBook(BlankRecordBase), BlankRecordBase);
    return 0;
}

void recomputeBook(const QString& path)
{
    BookFingerprint read;
    PriceBook book = ReadPriceBookFile(path, &read);
    WorkSet work;
    bool ratePricing = false; // the check box of a freshly started window
    try {
        for (int m = 0; m < Materials; ++m)
            SelectAndComputeMaterial(work, book, m, ratePricing);
    } catch (const PriceOverflow& e) {
        throw OverflowInBook(path, e, QStringLiteral("nothing was written"));
    }
    // Someone's save since the read would be lost under ours.
    if (BookChangedSince(path, read))
        throw FileError(path, QStringLiteral("was changed by someone else while it was recomputed; nothing was written"));
    // Numbered as a save after the start-up load: records 1 to 1200.
    if (const HistorySave saved = SaveBookKeepingHistory(path, book, 0); saved.historyFailure)
        throw *saved.historyFailure;
}

// Each book on its own: one that fails is reported and the others are still
// done, in one process so that many books take little more than one.
int commandRecompute(const QStringList& args, QTextStream& err)
{
    if (args.size() < 2)
        throw UsageError{QStringLiteral("recompute takes one FILE or more")};
    int status = 0;
    for (const QString& path : args.mid(1)) {
        try {
            recomputeBook(path);
        } catch (const FileError& e) {
            err << "pricebook: " << e.message() << '\n';
            status = 1;
        }
    }
    return status;
}

int commandDump(const QStringList& args, QTextStream& out)
{
    int material = 0; // 0: all
    if (args.size() == 4 && args[2] == QLatin1String("--material")) {
        bool ok = false;
        material = args[3].toInt(&ok);
        if (!ok || material < 1 || material > Materials)
            throw UsageError{QStringLiteral("--material takes a number from 1 to 20, not \"%1\"").arg(args[3])};
    } else if (args.size() != 2) {
        throw UsageError{QStringLiteral("dump takes FILE and optionally --material M")};
    }
    const PriceBook book = ReadPriceBookFile(args[1]);
    const int first = material == 0 ? 1 : RowNumber(material - 1, 0, 1);
    const int last = material == 0 ? BookRows : RowNumber(material - 1, Sheets - 1, LinesPerSheet);
    for (int k = first; k <= last; ++k)
        out << DumpRecord(book.row(k), k) << '\n';
    return 0;
}

int commandSample(const QStringList& args, QTextStream& out)
{
    if (args.size() != 2)
        throw UsageError{QStringLiteral("sample takes exactly one DIR")};
    return WriteSampleBooks(args[1], out);
}

} // namespace

FileError OverflowInBook(const QString& path, const PriceOverflow& e, const QString& consequence)
{
    return FileError(path, QStringLiteral("material %1, sheet %2, line %3: a computed value does not fit a price; %4")
                               .arg(e.material() + 1)
                               .arg(e.sheet() + 1)
                               .arg(e.line())
                               .arg(consequence));
}

CommandOptions ParseCommandOptions(const QStringList& args, const QStringList& valued, const QStringList& flags)
{
    CommandOptions o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (valued.contains(arg)) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(arg)};
            o.values[arg] = args[++i];
        } else if (flags.contains(arg)) {
            o.flags << arg;
        } else if (arg.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("%1 does not know \"%2\"").arg(args[0], arg)};
        } else {
            o.positional << arg;
        }
    }
    return o;
}

std::vector<int> MaterialList(const QString& text)
{
    std::vector<int> materials;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > Materials)
            throw UsageError{QStringLiteral("--materials takes numbers from 1 to 20 separated by commas, not \"%1\"").arg(text)};
        materials.push_back(n - 1);
    }
    if (text.trimmed().isEmpty()) {
        for (int m = 0; m < Materials; ++m)
            materials.push_back(m);
    }
    std::sort(materials.begin(), materials.end());
    materials.erase(std::unique(materials.begin(), materials.end()), materials.end());
    return materials;
}

int RunPricebook(const QStringList& args, QTextStream& out, QTextStream& err)
{
    try {
        if (args.isEmpty())
            throw UsageError{QStringLiteral("no command given (see pricebook --help)")};
        const QString& command = args[0];
        if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
            out << Usage;
            return 0;
        }
        if (command == QLatin1String("--version")) {
            out << "pricebook " << ProjectVersion() << "\n";
            return 0;
        }
        if (command == QLatin1String("new"))
            return commandNew(args);
        if (command == QLatin1String("recompute"))
            return commandRecompute(args, err);
        if (command == QLatin1String("dump"))
            return commandDump(args, out);
        if (command == QLatin1String("sample"))
            return commandSample(args, out);
        if (command == QLatin1String("export"))
            return CommandExport(args, out);
        if (command == QLatin1String("export-book"))
            return CommandExportBook(args);
        if (command == QLatin1String("history"))
            return CommandHistory(args, out);
        if (command == QLatin1String("restore"))
            return CommandRestore(args, out);
        if (command == QLatin1String("import"))
            return CommandImport(args, out);
        if (command == QLatin1String("revise"))
            return CommandRevise(args, out);
        if (command == QLatin1String("diff"))
            return CommandDiff(args, out, err);
        throw UsageError{QStringLiteral("unknown command \"%1\" (see pricebook --help)").arg(command)};
    } catch (const UsageError& e) {
        err << "pricebook: " << e.message << '\n';
        return 2;
    } catch (const FileError& e) {
        err << "pricebook: " << e.message() << '\n';
        return 1;
    }
}
