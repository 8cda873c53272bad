#include "BadInputCorpus.h"
#include "DataFileConfig.h"
#include "DisplaySettings.h"
#include "FileError.h"
#include "NumberText.h"
#include "PriceBookFile.h"
#include "ProfileFile.h"
#include "RemarkHistory.h"
#include "RemovalSettings.h"
#include "SettingsLines.h"
#include "SystemNames.h"
#include "ToolTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(BadInput)

namespace {

QString flag(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

template <std::size_t N>
void addColumns(QMap<QString, QString>& v, const char* name, const std::array<int, N>& widths)
{
    for (std::size_t i = 0; i < N; ++i)
        v[QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i)] = QString::number(widths[i]);
}

// "headerText", "sheetName", "sizeName", "unit" (".size" for the byte
// length), "listPrice", "costPrice" of a row.
QString rowField(const PriceRow& row, const QString& field)
{
    const bool size = field.endsWith(QLatin1String(".size"));
    const QString name = size ? field.chopped(5) : field;
    const auto text = [&](const auto& t) { return size ? QString::number(t.size()) : t.text(); };
    if (name == QLatin1String("headerText"))
        return text(row.headerText);
    if (name == QLatin1String("sheetName"))
        return text(row.sheetName);
    if (name == QLatin1String("sizeName"))
        return text(row.sizeName);
    if (name == QLatin1String("unit"))
        return text(row.unit);
    if (name == QLatin1String("listPrice"))
        return PlainText(row.listPrice);
    if (name == QLatin1String("costPrice"))
        return PlainText(row.costPrice);
    return QStringLiteral("<no field %1>").arg(field);
}

// "row12.listPrice" → 12 and "listPrice".
std::pair<int, QString> rowAndField(const QString& name, const QString& prefix)
{
    const QString rest = name.mid(prefix.size());
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    return {rest.left(dot < 0 ? rest.size() : dot).toInt(), dot < 0 ? QString() : rest.mid(dot + 1)};
}

// The single-record reads of the input dialog, which read also where the
// whole book would not.
void readRecords(const BadInput& input, const QString& path, QMap<QString, QString>& v)
{
    for (const QMap<QString, QString>* checks : {&input.equal, &input.contains}) {
        for (const QString& name : checks->keys()) {
            if (!name.startsWith(QLatin1String("record")))
                continue;
            const auto [k, field] = rowAndField(name, QStringLiteral("record"));
            try {
                const PriceRow row = ReadPriceRecord(path, k);
                v[name] = field.isEmpty() ? QStringLiteral("ok") : rowField(row, field);
            } catch (const FileError& e) {
                QCOMPARE(e.file(), path);
                v[name] = QStringLiteral("error");
            }
        }
    }
}

// The tree's labels, read at start-up without the rest of the book, fail as
// the book's read does, or are those of the book it reads.
void labelsReadAsTheBook(const QString& path)
{
    QString labelsError;
    std::array<QString, Materials> labels;
    try {
        labels = ReadMaterialLabels(path);
    } catch (const FileError& e) {
        QCOMPARE(e.file(), path);
        labelsError = e.reason();
    }
    try {
        const PriceBook book = ReadPriceBookFile(path);
        QCOMPARE(labelsError, QString());
        for (int m = 0; m < Materials; ++m)
            QCOMPARE(labels[static_cast<std::size_t>(m)], MaterialLabel(book, m));
    } catch (const FileError& e) {
        QCOMPARE(labelsError, e.reason());
    }
}

// Reads the file as the program that owns it does; the names checked get values.
QMap<QString, QString> readAs(const BadInput& input, const QString& path)
{
    QMap<QString, QString> v;
    if (input.kind == "book") {
        const PriceBook book = ReadPriceBookFile(path);
        for (const QMap<QString, QString>* checks : {&input.equal, &input.contains}) {
            for (const QString& name : checks->keys()) {
                if (name.startsWith(QLatin1String("row"))) {
                    const auto [k, field] = rowAndField(name, QStringLiteral("row"));
                    v[name] = rowField(book.row(k), field);
                }
            }
        }
    } else if (input.kind == "disp") {
        DisplaySettings s;
        ApplyDisplaySettingsLines(s, ReadSettingsLines(path));
        v["titleBar"] = flag(s.titleBar);
        v["topBar"] = flag(s.topBar);
        v["treeList"] = flag(s.treeList);
        v["statusBar"] = flag(s.statusBar);
        v["treeWidth"] = QString::number(s.treeWidth);
        v["labourTableHeight"] = QString::number(s.labourTableHeight);
        addColumns(v, "labourColumn", s.labourColumnWidths);
        addColumns(v, "priceColumn", s.priceColumnWidths);
        addColumns(v, "compositeColumn", s.compositeColumnWidths);
    } else if (input.kind == "conf") {
        const DataFileConfig c = ReadDataFileConfig(path);
        for (int k = 0; k < CategoryCount; ++k) {
            v[QStringLiteral("group%1").arg(k + 1)] = c.groupName[k];
            v[QStringLiteral("file%1").arg(k + 1)] = c.fileName[k];
        }
    } else if (input.kind == "ini") {
        for (const char* key : {"Top", "Left", "Width", "Height"}) {
            const int value = ReadProfileInt(path, "zelvorit_k", key, std::numeric_limits<int>::min());
            v[key] = value == std::numeric_limits<int>::min() ? QStringLiteral("none") : QString::number(value);
        }
    } else if (input.kind == "adv") {
        const RemovalSettings s = ReadRemovalSettings(path);
        v["removal"] = PlainText(s.removalFactor);
        v["recycle"] = PlainText(s.recycleFactor);
        v["decimals"] = QString::number(s.decimals);
        v["rounding"] = QString::number(s.rounding);
    } else if (input.kind == "comment") {
        const QStringList remarks = ReadRemarkHistory(path);
        v["count"] = QString::number(remarks.size());
        v["first"] = remarks.value(0);
        v["second"] = remarks.value(1);
    } else if (input.kind == "keito") {
        SystemNames names;
        ReadSystemNames(path, names);
        for (int n = 1; n <= SystemCount; ++n)
            v[QStringLiteral("name%1").arg(n)] = names[static_cast<std::size_t>(n - 1)];
    } else {
        qFatal("unknown kind %s", qPrintable(input.kind));
    }
    return v;
}

} // namespace

// Every file of the corpus through the reader of its kind and, for price
// books, through the command-line tool: a clear error naming the file, or
// the values expected, and never a change on disk.
class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void corpusIsComplete();
    void readers_data();
    void readers();
    void tool_data();
    void tool();
};

void TestBadInput::corpusIsComplete()
{
    const QList<BadInput> inputs = BadInputs();
    QVERIFY(inputs.size() >= 50);
    QStringList listed;
    for (const BadInput& input : inputs)
        listed << input.file;
    // Every file in the folder is in the manifest, and the other way round.
    QDir folder(QStringLiteral(KAVREL_BAD_INPUT_DIR));
    for (const QString& file : folder.entryList(QDir::Files)) {
        if (file != "EXPECTED.txt")
            QVERIFY2(listed.contains(file), qPrintable(file + " is not in EXPECTED.txt"));
    }
    for (const QString& file : listed)
        QVERIFY2(file.startsWith('@') || folder.exists(file), qPrintable(file + " is missing"));
}

void TestBadInput::readers_data()
{
    QTest::addColumn<BadInput>("input");
    for (const BadInput& input : BadInputs())
        QTest::newRow(qPrintable(input.file + " as " + input.kind)) << input;
}

void TestBadInput::readers()
{
    QFETCH(BadInput, input);
    QTemporaryDir dir;
    const QString path = QDir::toNativeSeparators(dir.filePath(input.placedName()));
    if (!PlaceBadInput(input, path, dir.path()))
        QSKIP("this process may not make such a file");
    const QByteArray before = StateOf(path);
    QMap<QString, QString> values;
    if (input.kind == "book") {
        readRecords(input, path, values);
        labelsReadAsTheBook(path);
    }
    try {
        values.insert(readAs(input, path));
        QVERIFY2(!input.error, "no error");
    } catch (const FileError& e) {
        QVERIFY2(input.error, qPrintable(e.message()));
        QCOMPARE(e.file(), path);
        QVERIFY2(e.reason().contains(input.contains.value("reason")), qPrintable(e.reason()));
    }
    const QString wrong = CheckBadInputValues(input, values, dir.path());
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(StateOf(path), before);
}

void TestBadInput::tool_data()
{
    QTest::addColumn<BadInput>("input");
    QTest::addColumn<QStringList>("command");
    for (const BadInput& input : BadInputs()) {
        if (input.kind != "book")
            continue;
        const QString row = input.file + ": ";
        QTest::newRow(qPrintable(row + "dump")) << input << QStringList{"dump"};
        QTest::newRow(qPrintable(row + "export")) << input << QStringList{"export", "--material", "1", "--level", "1"};
        // A book that reads is one recompute may rightly rewrite.
        if (input.error)
            QTest::newRow(qPrintable(row + "recompute")) << input << QStringList{"recompute"};
    }
}

void TestBadInput::tool()
{
    QFETCH(BadInput, input);
    QFETCH(QStringList, command);
    QTemporaryDir dir;
    const QString path = QDir::toNativeSeparators(dir.filePath(input.placedName()));
    if (!PlaceBadInput(input, path, dir.path()))
        QSKIP("this process may not make such a file");
    const QByteArray before = StateOf(path);
    QStringList args{command.first(), path};
    args += command.mid(1);
    const Run r = pricebook(args);
    // A book whose first material cannot be computed reads, but exports nothing.
    const bool overflow = input.window() == "overflow" && command.first() == "export";
    if (input.error || overflow) {
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith("pricebook: " + path + ": ") && r.err.count('\n') == 1, qPrintable(r.err));
        QVERIFY2(r.err.contains(overflow ? "material 1, sheet 1, line 1" : input.contains.value("reason")), qPrintable(r.err));
    } else {
        QVERIFY2(r.status == 0, qPrintable(r.err));
    }
    QCOMPARE(StateOf(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 1);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestBadInput)
#include "TestBadInput.moc"
