#include "DisplaySettings.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "ScriptedModalSeam.h"
#include "SettingsLines.h"
#include "TFTANKAREGIST.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>

// The first layout each resolution default file gives, on the sample books:
// every text of the three tables readable and their 14 lines shown without
// scrolling.
class TestFirstLayout : public QObject {
    Q_OBJECT
private slots:
    void tablesShowWithoutScrolling_data();
    void tablesShowWithoutScrolling();
    void longCaptionsKeepTheWindowSize();
    void namesTellApartInANarrowTree();
};

namespace {

// What does not fit in a table: a scroll bar, and every text, heading or
// value, that is wider than its column less the 2-pixel margins.
QStringList unfitted(TStrColGrid* grid)
{
    QStringList faults;
    if (grid->verticalScrollBar()->isVisible())
        faults << QStringLiteral("%1 scrolls its lines (%2 high)").arg(grid->objectName()).arg(grid->height());
    if (grid->horizontalScrollBar()->isVisible())
        faults << QStringLiteral("%1 scrolls its columns (%2 wide)").arg(grid->objectName()).arg(grid->width());
    const QFontMetrics metrics(grid->Font());
    for (int c = 0; c < grid->ColCount(); ++c) {
        for (int r = 0; r < grid->RowCount(); ++r) {
            const QString text = grid->Cells(c, r);
            const int needed = metrics.horizontalAdvance(text) + 4;
            if (needed > grid->ColWidths(c))
                faults << QStringLiteral("%1 column %2 row %3 \"%4\" needs %5, has %6")
                              .arg(grid->objectName())
                              .arg(c)
                              .arg(r)
                              .arg(text)
                              .arg(needed)
                              .arg(grid->ColWidths(c));
        }
    }
    return faults;
}

// The category names must show whole in the tree, beside its indentation.
QStringList unfittedCategories(QTreeWidget* tree)
{
    QStringList faults;
    const QFontMetrics metrics(tree->font());
    for (int k = 0; k < tree->topLevelItemCount(); ++k) {
        const QString name = tree->topLevelItem(k)->text(0);
        const int needed = tree->indentation() + metrics.horizontalAdvance(name) + 8;
        if (needed > tree->viewport()->width())
            faults << QStringLiteral("tree: \"%1\" needs %2, has %3").arg(name).arg(needed).arg(tree->viewport()->width());
    }
    return faults;
}

// The layout of `file` as a larger screen would have it: the tree and every
// column `scale` times as wide.
void scaleLayout(const QString& file, double scale)
{
    DisplaySettings s;
    ApplyDisplaySettingsLines(s, ReadSettingsLines(file));
    const auto scaled = [scale](int& width) { width = static_cast<int>(width * scale); };
    scaled(s.treeWidth);
    std::for_each(s.labourColumnWidths.begin(), s.labourColumnWidths.end(), scaled);
    std::for_each(s.priceColumnWidths.begin(), s.priceColumnWidths.end(), scaled);
    std::for_each(s.compositeColumnWidths.begin(), s.compositeColumnWidths.end(), scaled);
    WriteSettingsLines(file, DisplaySettingsLines(s));
}

// A program folder with the sample books (`book` changes that of category 1)
// and a resolution default file as its display settings file, so that it
// applies on any test screen; the window started on `argument` and sized
// to `room`.
struct FirstStart {
    QTemporaryDir dir;
    ScriptedModalSeam seam;
    std::unique_ptr<TFTANKAREGIST> window;
    std::unique_ptr<Tkvconfig> config;

    void start(const QString& defaults, const QString& argument, const std::function<void(PriceBook&)>& book = {},
               double scale = 1.0)
    {
        QVERIFY(QDir(dir.path()).mkpath("kanzai"));
        for (int k = 0; k < 10; ++k) {
            PriceBook sample = SampleBook(k);
            if (k == 0 && book)
                book(sample);
            WritePriceBookFile(dir.filePath(QStringLiteral("kanzai/haikan%1.FDA").arg(k + 1)), sample, 0);
        }
        QVERIFY(QFile::copy(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/" + defaults, dir.filePath("kavre_p.disp")));
        if (scale != 1.0)
            scaleLayout(dir.filePath("kavre_p.disp"), scale);
        window = std::make_unique<TFTANKAREGIST>(dir.filePath("kavrel"), QStringList{argument});
        config = std::make_unique<Tkvconfig>(dir.path(), window.get());
        window->setConfigDialog(config.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
};

} // namespace

// The room is the screen less a 40-pixel task bar and a window frame of 5
// pixels at the sides and bottom and 27 at the top: less than a first start
// gets on most desktops, where the window fills the work area.
void TestFirstLayout::tablesShowWithoutScrolling_data()
{
    QTest::addColumn<QString>("defaults");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<double>("scale");
    // The last is the layout of 1024 × 768 with the tree and every column
    // twice as wide, as a user had them on a 1920 × 1080 screen, started on
    // one of 1024 × 768: the tree and the columns narrow to the room.
    const struct {
        const char* screen;
        const char* file;
        QSize room;
        double scale;
    } screens[] = {{"1280x1024", "kavre_p_sxga.dat", {1270, 952}, 1.0},
                   {"1024x768", "kavre_p_xga.dat", {1014, 696}, 1.0},
                   {"1280x768", "kavre_p_uvga.dat", {1270, 696}, 1.0},
                   {"1920x1080 on 1024x768", "kavre_p_xga.dat", {1014, 696}, 2.0}};
    // The labour table's headings differ by the material's mode.
    const struct {
        const char* mode;
        const char* argument;
    } materials[] = {{"piping", "1;1;"}, {"refrigerant", "10;1;"}};
    for (const auto& s : screens) {
        for (const auto& m : materials)
            QTest::addRow("%s %s", s.screen, m.mode) << s.file << s.room << m.argument << s.scale;
    }
}

void TestFirstLayout::tablesShowWithoutScrolling()
{
    QFETCH(QString, defaults);
    QFETCH(QSize, room);
    QFETCH(QString, argument);
    QFETCH(double, scale);
    FirstStart f;
    f.start(defaults, argument, {}, scale);
    QVERIFY(f.window); // a folder that could not be made leaves none
    TFTANKAREGIST& window = *f.window;
    window.resize(room);
    QTRY_COMPARE(window.size(), room); // a layout wider than the room keeps the window wider

    // Scroll bars are shown and hidden from the event loop, so the layout
    // is given the time to settle.
    QStringList faults;
    const auto settled = [&] {
        faults = unfitted(window.StrColGrid1) + unfitted(window.StrColGrid2) + unfittedCategories(window.TreeView1);
        return faults.isEmpty();
    };
    QTRY_VERIFY2(settled(), qPrintable(faults.join('\n')));
    window.PageControl1->setCurrentIndex(1);
    QTRY_VERIFY2((faults = unfitted(window.StrColGrid3)).isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY(f.seam.unexpected.isEmpty());
}

// The material caption and the status bar show the material's texts; at
// their capacity they are cut, and the window keeps the room it was given.
void TestFirstLayout::longCaptionsKeepTheWindowSize()
{
    FirstStart f;
    f.start("kavre_p_xga.dat", "1;1;", [](PriceBook& book) {
        for (int line = 1; line <= 3; ++line)
            book.row(0, line).headerText.setText(QString(40, QChar(0x7BA1))); // 管, 80 bytes
    });
    QVERIFY(f.window);
    const QSize room(1014, 696);
    f.window->resize(room);
    QTRY_COMPARE(f.window->size(), room);
    QVERIFY(f.window->kanname->text().startsWith(QString(40, QChar(0x7BA1))));
    QTest::qWait(20);
    QCOMPARE(f.window->size(), room);
}

// A tree narrower than the sample names still tells apart those that differ
// only at their end ("…(VB)", "…(VD)").
void TestFirstLayout::namesTellApartInANarrowTree()
{
    FirstStart f;
    f.start("kavre_p_xga.dat", "1;1;");
    QVERIFY(f.window);
    f.window->resize(1270, 952);
    QTRY_COMPARE(f.window->size(), QSize(1270, 952));
    QTreeWidget* tree = f.window->TreeView1;
    auto* splitter = qobject_cast<QSplitter*>(tree->parentWidget());
    QVERIFY(splitter);
    splitter->setSizes({150, splitter->width() - 150});
    QTreeWidgetItem* category = tree->topLevelItem(0);
    QTRY_VERIFY(tree->visualItemRect(category->child(1)).isValid());
    QVERIFY(QFontMetrics(tree->font()).horizontalAdvance(category->child(1)->text(0)) > tree->viewport()->width());
    const QImage shown = tree->viewport()->grab().toImage();
    const auto look = [&](int child) { return shown.copy(tree->visualItemRect(category->child(child))); };
    QVERIFY(look(1) != look(2));
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestFirstLayout)
#include "TestFirstLayout.moc"
