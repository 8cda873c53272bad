#include "ExportCommand.h"

#include "AtomicFile.h"
#include "CompositePrice.h"
#include "FileError.h"
#include "MaterialExport.h"
#include "PriceBookFile.h"
#include "PricebookCommands.h"

#include <QIODevice>
#include <optional>

namespace {

struct ExportArguments {
    QString book;
    int material = 0; // 1..20
    ExportChoices choices;
    QString output;
    bool utf8 = false;
};

int numberIn(const QString& option, const QString& text, int last)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1 || n > last)
        throw UsageError{QStringLiteral("%1 takes a number from 1 to %2, not \"%3\"").arg(option).arg(last).arg(text)};
    return n;
}

ExportArguments parse(const QStringList& args)
{
    if (args.size() < 2 || args[1].startsWith(QLatin1String("--")))
        throw UsageError{QStringLiteral("export takes FILE first")};
    ExportArguments a;
    a.book = args[1];
    std::optional<int> level;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& option = args[i];
        const auto value = [&]() -> const QString& {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
            return args[++i];
        };
        if (option == QLatin1String("--material"))
            a.material = numberIn(option, value(), Materials);
        else if (option == QLatin1String("--level"))
            level = numberIn(option, value(), CostLevel);
        else if (option == QLatin1String("--output"))
            a.output = value();
        else if (option == QLatin1String("--headings"))
            a.choices.headings = true;
        else if (option == QLatin1String("--results"))
            a.choices.computedResults = true;
        else if (option == QLatin1String("--utf8"))
            a.utf8 = true;
        else
            throw UsageError{QStringLiteral("export does not know \"%1\"").arg(option)};
    }
    if (a.material == 0 || !level)
        throw UsageError{QStringLiteral("export needs --material M and --level L")};
    a.choices.level = *level;
    return a;
}

} // namespace

int CommandExport(const QStringList& args, QTextStream& out)
{
    const ExportArguments a = parse(args);
    PriceBook book = ReadPriceBookFile(a.book);
    WorkSet work;
    try {
        SelectAndComputeMaterial(work, book, a.material - 1);
    } catch (const PriceOverflow& e) {
        throw OverflowInBook(a.book, e, QStringLiteral("nothing was exported"));
    }
    const QString text = ExportMaterialText(work, ShownExportView(work), ExportMode::File, a.choices);
    const QByteArray bytes = a.utf8 ? (text + QStringLiteral("\r\n")).toUtf8() : ExportFileBytes(text);
    if (!a.output.isEmpty()) {
        WriteFileAtomically(a.output, bytes);
        return 0;
    }
    out.flush();
    QIODevice* device = out.device();
    if (!device || device->write(bytes) != bytes.size())
        throw FileError(QStringLiteral("standard output"), device ? device->errorString() : QStringLiteral("no device"));
    return 0;
}
