#include "DiffCommand.h"

#include "BookDiff.h"
#include "PriceBookFile.h"
#include "PricebookCommands.h"

#include <algorithm>

namespace {

struct DiffArguments {
    QStringList books;
    BookDiffOptions options;
    bool csv = false;
};


DiffArguments parse(const QStringList& args)
{
    DiffArguments d;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool valued = arg == QLatin1String("--materials") || arg == QLatin1String("--format");
        if (valued && i + 1 >= args.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(arg)};
        if (arg == QLatin1String("--materials")) {
            d.options.materials = MaterialList(args[++i]);
        } else if (arg == QLatin1String("--format")) {
            const QString format = args[++i];
            if (format != QLatin1String("text") && format != QLatin1String("csv"))
                throw UsageError{QStringLiteral("--format takes text or csv, not \"%1\"").arg(format)};
            d.csv = format == QLatin1String("csv");
        } else if (arg == QLatin1String("--prices-only")) {
            d.options.pricesOnly = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("diff does not know \"%1\"").arg(arg)};
        } else {
            d.books << arg;
        }
    }
    if (d.books.size() != 2)
        throw UsageError{QStringLiteral("diff takes exactly two books")};
    return d;
}

} // namespace

int CommandDiff(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const DiffArguments d = parse(args);
    PriceBook a, b;
    try {
        a = ReadPriceBookFile(d.books[0]);
        b = ReadPriceBookFile(d.books[1]);
    } catch (const FileError& e) {
        err << "pricebook: " << e.message() << '\n';
        return 2;
    }
    const std::vector<BookDifference> differences = CompareBooks(a, b, d.options);
    // Equal books print nothing, as diff does; a CSV keeps its headings.
    if (d.csv)
        out << BookDiffCsv(differences, b);
    else
        out << BookDiffText(differences, b);
    return differences.empty() ? 0 : 1;
}
