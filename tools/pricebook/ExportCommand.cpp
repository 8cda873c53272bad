#include "ExportCommand.h"

#include "AtomicFile.h"
#include "CompositePrice.h"
#include "FileError.h"
#include "MaterialExport.h"
#include "MaterialWorkbook.h"
#include "PriceBookFile.h"
#include "PricebookCommands.h"

#include <QIODevice>
#include <functional>
#include <optional>

namespace {

struct ExportArguments {
    QString book;
    int material = 0; // 1..20
    std::optional<int> level;
    ExportChoices choices;
    QString output;
    bool utf8 = false;
    bool xlsx = false;
};

using ValueReader = std::function<QString()>;

int numberIn(const QString& option, const QString& text, int last)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1 || n > last)
        throw UsageError{QStringLiteral("%1 takes a number from 1 to %2, not \"%3\"").arg(option).arg(last).arg(text)};
    return n;
}

// The command's file comes first, then its options: `read` takes each with a
// reader of its value and returns false for one it does not know.
ExportArguments parse(const QStringList& args, const char* file,
                      const std::function<bool(ExportArguments&, const QString&, const ValueReader&)>& read)
{
    if (args.size() < 2 || args[1].startsWith(QLatin1String("--")))
        throw UsageError{QStringLiteral("%1 takes %2 first").arg(args[0], QLatin1String(file))};
    ExportArguments a;
    a.book = args[1];
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& option = args[i];
        const ValueReader value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
            return args[++i];
        };
        // The level and the dialog's two check boxes, which both exports take.
        if (option == QLatin1String("--level"))
            a.level = numberIn(option, value(), CostLevel);
        else if (option == QLatin1String("--headings"))
            a.choices.headings = true;
        else if (option == QLatin1String("--results"))
            a.choices.computedResults = true;
        else if (!read(a, option, value))
            throw UsageError{QStringLiteral("%1 does not know \"%2\"").arg(args[0], option)};
    }
    return a;
}

ExportArguments parseExport(const QStringList& args)
{
    ExportArguments a = parse(args, "FILE", [](ExportArguments& into, const QString& option, const ValueReader& value) {
        if (option == QLatin1String("--material"))
            into.material = numberIn(option, value(), Materials);
        else if (option == QLatin1String("--output"))
            into.output = value();
        else if (option == QLatin1String("--utf8"))
            into.utf8 = true;
        else if (option == QLatin1String("--xlsx"))
            into.xlsx = true;
        else
            return false;
        return true;
    });
    if (a.material == 0 || !a.level)
        throw UsageError{QStringLiteral("export needs --material M and --level L")};
    if (a.xlsx && a.output.isEmpty())
        throw UsageError{QStringLiteral("--xlsx needs --output OUT: a workbook is not text for standard output")};
    if (a.xlsx && a.utf8)
        throw UsageError{QStringLiteral("--utf8 is for the CSV; a workbook has no choice of encoding")};
    a.choices.level = *a.level;
    return a;
}

void writeToStandardOutput(QTextStream& out, const QByteArray& bytes)
{
    out.flush();
    QIODevice* device = out.device();
    if (!device || device->write(bytes) != bytes.size())
        throw FileError(QStringLiteral("standard output"), device ? device->errorString() : QStringLiteral("no device"));
}

} // namespace

int CommandExport(const QStringList& args, QTextStream& out)
{
    const ExportArguments a = parseExport(args);
    PriceBook book = ReadPriceBookFile(a.book);
    WorkSet work;
    try {
        SelectAndComputeMaterial(work, book, a.material - 1);
    } catch (const PriceOverflow& e) {
        throw OverflowInBook(a.book, e, QStringLiteral("nothing was exported"));
    }
    if (a.xlsx) {
        WriteMaterialWorkbook(a.output, work, ShownExportView(work), a.choices, a.book, a.material - 1);
        return 0;
    }
    const QString text = ExportMaterialText(work, ShownExportView(work), ExportMode::File, a.choices);
    const QByteArray bytes = a.utf8 ? (text + QStringLiteral("\r\n")).toUtf8() : ExportFileBytes(text);
    if (a.output.isEmpty())
        writeToStandardOutput(out, bytes);
    else
        WriteFileAtomically(a.output, bytes);
    return 0;
}

int CommandExportBook(const QStringList& args)
{
    ExportArguments a = parse(args, "BOOK", [](ExportArguments& into, const QString& option, const ValueReader& value) {
        if (option != QLatin1String("--xlsx"))
            return false;
        into.output = value();
        return true;
    });
    if (a.output.isEmpty())
        throw UsageError{QStringLiteral("export-book needs --xlsx OUT")};
    a.choices.level = a.level.value_or(Level1);
    const PriceBook book = ReadPriceBookFile(a.book);
    try {
        WriteBookWorkbook(a.output, book, a.book, a.choices);
    } catch (const PriceOverflow& e) {
        throw OverflowInBook(a.book, e, QStringLiteral("nothing was exported"));
    }
    return 0;
}
