#include "DiffCommand.h"

#include "BookDiff.h"
#include "PriceBookFile.h"
#include "PricebookCommands.h"

namespace {

struct DiffArguments {
    QStringList books;
    BookDiffOptions options;
    bool csv = false;
};

DiffArguments parseDiff(const QStringList& args)
{
    const CommandOptions o = ParseCommandOptions(args, {QStringLiteral("--materials"), QStringLiteral("--format")},
                                                 {QStringLiteral("--prices-only")});
    DiffArguments d;
    d.books = o.positional;
    if (o.values.contains(QStringLiteral("--materials")))
        d.options.materials = MaterialList(o.value("--materials"));
    const QString format = o.value("--format");
    if (o.values.contains(QStringLiteral("--format")) && format != QLatin1String("text") && format != QLatin1String("csv"))
        throw UsageError{QStringLiteral("--format takes text or csv, not \"%1\"").arg(format)};
    d.csv = format == QLatin1String("csv");
    d.options.pricesOnly = o.has("--prices-only");
    if (d.books.size() != 2)
        throw UsageError{QStringLiteral("diff takes exactly two books")};
    return d;
}

} // namespace

int CommandDiff(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const DiffArguments d = parseDiff(args);
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
