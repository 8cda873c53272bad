#include "ApplicationTitle.h"
#include "FileError.h"
#include "InputDialogFixture.h"
#include "MessageTestSupport.h"
#include "NumberText.h"
#include "PriceBookFile.h"
#include "RemarkHistory.h"
#include "SampleBooks.h"
#include "TBorRadio.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TFKANZAI.h"
#include "TGradBtn.h"
#include "TIconButton.h"
#include "TNValEditC.h"
#include "TestUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

const QString Caption = DialogTitle() + QStringLiteral("-Telvoran-");
const QString NotRegistered = QStringLiteral("単価はまだ登録されていません。Zavrikonプログラムにて作成して下さい。");

} // namespace

class TestInputDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(DialogTitle()); }
    void init();
    void startUp_data();
    void startUp();
    void startUpReadsSettingsFiles();
    void fitsTheSmallestScreen();
    void openStepsRunOncePerOpening();
    void categoryButtons();
    void materialChoice();
    void sizeFollowsTheMaterial();
    void checksInOrder();
    void keypad();
    void keypadIgnoresTheLocale();
    void enterKeys();
    void sentLine();
    void lineFromTheChoicesNotTheCaptions();
    void remarkHistory();
    void closeSavesTheRemarks();
    void closeWhenTheRemarksCannotBeSaved();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString book_;
    // The programs the lines go to, in a runtime folder of the test's own.
    std::unique_ptr<PrivateRuntimeFolder> runtime_;
    std::unique_ptr<ReceivingWindow> estimate_;
    std::unique_ptr<ReceivingWindow> pickup_;
};

void TestInputDialog::init()
{
    estimate_.reset();
    pickup_.reset();
    runtime_.reset(); // gives XDG_RUNTIME_DIR back before the next one takes it
    runtime_ = std::make_unique<PrivateRuntimeFolder>();
    estimate_ = std::make_unique<ReceivingWindow>(QStringLiteral("TFESTIMATE"));
    pickup_ = std::make_unique<ReceivingWindow>(QStringLiteral("TFPICKUP"));
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    book_ = WriteSampleBook(folder_->path());
}

void TestInputDialog::startUp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("optionsEnabled");
    QTest::newRow("no command line") << QStringList() << "" << 0 << 0 << "" << true;
    QTest::newRow("pickup") << QStringList{"1;2;3;系統A;"} << "1" << 2 << 3 << "系統A" << false;
    QTest::newRow("two fields") << QStringList{"0;4;"} << "0" << 4 << 4 << "4" << true;
    QTest::newRow("level out of range") << QStringList{"0;5;1;x;"} << "0" << -1 << 1 << "x" << true;
    QTest::newRow("negative level") << QStringList{"0;-1;1;x;"} << "0" << -1 << 1 << "x" << true;
    QTest::newRow("only the first argument") << QStringList{"0;1;2;a;", "1;3;4;b;"} << "0" << 1 << 2 << "a" << true;
}

void TestInputDialog::startUp()
{
    QFETCH(QStringList, arguments);
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), arguments);
    d.show();
    QTEST(d.statusPanels[0]->text(), "mode");
    QTEST(d.Level_box->currentIndex(), "level");
    QTEST(d.systemNumber(), "system");
    QTEST(d.Keito->caption(), "name");
    QTEST(d.CheckBox1->isEnabled(), "optionsEnabled");
    QTEST(d.CheckBox3->isEnabled(), "optionsEnabled");
    QVERIFY(d.CheckBox2->isEnabled());
    QCOMPARE(d.windowTitle(), Caption);
    // Its own icon (the message box's has other sizes).
    QCOMPARE(d.windowIcon().availableSizes().size(), 8);
    QCOMPARE(d.windowIcon().pixmap(256).size(), QSize(256, 256));
    QCOMPARE(d.categoryNumber(), 0);
    QCOMPARE(d.ListBox1->count(), 0);
    QVERIFY(d.nmanyin->text().isEmpty());
    QVERIFY(d.gmanyin->text().isEmpty());
    QVERIFY(d.tanka_opt[0]->isChecked());
    QVERIFY(d.CALC_OPT1[0]->isChecked());
    QVERIFY(d.data_opt[0]->isChecked());
    QCOMPARE(d.DISKBTN[9]->caption(), QStringLiteral("冷媒"));
    QCOMPARE(d.removal->caption(), QStringLiteral("0.3"));
    QCOMPARE(d.Recycle->caption(), QStringLiteral("0.3"));
    QCOMPARE(d.removalSettings(), RemovalSettings());
    QVERIFY(seam.asked.isEmpty());
}

void TestInputDialog::startUpReadsSettingsFiles()
{
    const QDir dir(folder_->path());
    PutFileBytes(dir.filePath("kavre_p.adv"), "[REMOVAL]=abc\r\n[RECYCLE]=0.45\r\n[KETA]=9\r\n[CUTLEVEL]=2\r\n");
    QByteArray remarks;
    for (int i = 1; i <= 25; ++i)
        remarks += "remark" + QByteArray::number(i) + "\r\n";
    PutFileBytes(dir.filePath("comment.DAT"), remarks);
    // Category 2 is named empty, category 3 not at all: it keeps the form's caption.
    PutFileBytes(dir.filePath("kavre_p.conf"), "[GROUP_NAME1]=Water\r\n[GROUP_NAME2]=\r\n[FILE_NAME1]=" + book_.toUtf8() + "\r\n");
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    QCOMPARE(d.removal->caption(), QStringLiteral("0.3"));
    QCOMPARE(d.Recycle->caption(), QStringLiteral("0.45"));
    QCOMPARE(d.removalSettings().decimals, 1);
    QCOMPARE(d.removalSettings().rounding, 2);
    QCOMPARE(d.X_opt3->count(), RemarkHistoryLimit);
    QCOMPARE(d.X_opt3->itemText(0), QStringLiteral("remark1"));
    QCOMPARE(d.DISKBTN[0]->caption(), QStringLiteral("Water"));
    QVERIFY(d.DISKBTN[1]->caption().isEmpty());
    QCOMPARE(d.DISKBTN[2]->caption(), QStringLiteral("通気"));
    d.ib[0]->click();
    QCOMPARE(d.categoryNumber(), 1);
    QCOMPARE(d.FILEPL->caption(), QStringLiteral("Water"));
    // No path configured for category 3.
    QString text;
    AnswerBox(seam, &text);
    d.ib[2]->click();
    QCOMPARE(text, NotRegistered);
    QCOMPARE(d.categoryNumber(), 1);

    // An empty file names nothing: the captions stay, no book is configured.
    PutFileBytes(dir.filePath("kavre_p.conf"), "");
    TFKANZAI empty(folder_->path(), {});
    empty.show();
    QCOMPARE(empty.DISKBTN[0]->caption(), QStringLiteral("給水"));
    AnswerBox(seam, &text);
    empty.ib[0]->click();
    QCOMPARE(text, NotRegistered);
    QVERIFY(seam.unexpected.isEmpty());
}

void TestInputDialog::fitsTheSmallestScreen()
{
    // A 1024 x 768 screen, less a title bar and the frame.
    const QSize screen(1024 - 8, 768 - 40);
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    const QSize needed = d.minimumSizeHint();
    QVERIFY2(needed.width() <= screen.width() && needed.height() <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
    QVERIFY(d.width() <= screen.width() && d.height() <= screen.height());
    // Names that differ only at their end show whole, and the dialog still fits.
    PriceBook book = SampleBook();
    for (int m = 0; m < 4; ++m)
        book.row(m, 1).headerText.setText(QString::fromUtf8("ﾌﾗﾝｼﾞ付水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(V%1)").arg(QChar('A' + m)));
    WritePriceBookFile(book_, book, 0);
    d.ib[0]->click();
    QTRY_VERIFY(d.ListBox1->sizeHintForColumn(0) <= d.ListBox1->viewport()->width());
    QCOMPARE(d.ListBox1->item(3)->toolTip(), QString::fromUtf8("ﾌﾗﾝｼﾞ付水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VD)"));
    QVERIFY(d.minimumSizeHint().width() <= screen.width());
    // Every button is big enough for a finger.
    for (QWidget* button : {static_cast<QWidget*>(d.size_bt[0]), static_cast<QWidget*>(d.ib[9]),
                            static_cast<QWidget*>(d.netoffer_bt), static_cast<QWidget*>(d.IconButton13)})
        QVERIFY(button->height() >= 36);
}

void TestInputDialog::openStepsRunOncePerOpening()
{
    PutFileBytes(QDir(folder_->path()).filePath("comment.DAT"), "a\r\nb\r\n");
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {QStringLiteral("0;1;0;;")});
    d.show();
    ChooseLine(d, 0, 1);
    d.Level_box->setCurrentIndex(4);
    d.X_opt3->addItem(QStringLiteral("c"));

    // Minimised and restored: the window system hides and shows it (sent
    // past sendEvent, which would mark the events as the program's own).
    QHideEvent hide;
    QSpontaneKeyEvent::setSpontaneous(&hide);
    qApp->notify(&d, &hide);
    QShowEvent show;
    QSpontaneKeyEvent::setSpontaneous(&show);
    qApp->notify(&d, &show);
    QCOMPARE(d.ListBox1->count(), Materials);
    QCOMPARE(d.Level_box->currentIndex(), 4);
    QCOMPARE(d.nmanyin->value(), C("2"));
    QCOMPARE(d.X_opt3->count(), 3);

    // Hidden and shown again by the program: a new opening.
    d.hide();
    d.show();
    QCOMPARE(d.ListBox1->count(), 0);
    QCOMPARE(d.Level_box->currentIndex(), 1);
    QVERIFY(d.nmanyin->text().isEmpty());
    QCOMPARE(d.X_opt3->count(), 2);
}

void TestInputDialog::categoryButtons()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    QString text;
    AnswerBox(seam, &text);
    d.ib[1]->click();
    QCOMPARE(text, NotRegistered);
    QCOMPARE(d.categoryNumber(), 0);
    QCOMPARE(d.windowTitle(), Caption);

    d.ib[0]->click();
    QCOMPARE(d.categoryNumber(), 1);
    QCOMPARE(d.windowTitle(), Caption + book_);
    QCOMPARE(d.FILEPL->caption(), QStringLiteral("給水"));
    QCOMPARE(d.FILENAMEPL->text(), book_);
    QCOMPARE(d.statusPanels[3]->text(), book_);
    QCOMPARE(d.ListBox1->count(), Materials);
    QCOMPARE(d.ListBox1->item(1)->text(), QStringLiteral("硬質塩化ビニルライニング鋼管"));
    QVERIFY(d.ListBox1->item(19)->text().isEmpty());
    QVERIFY(d.ListBox1->selectedItems().isEmpty());

    // The label beside the button chooses too; a missing book keeps the choice.
    AnswerBox(seam, &text);
    QTest::mouseClick(d.DISKBTN[9], Qt::LeftButton);
    QCOMPARE(text, NotRegistered);
    QCOMPARE(d.categoryNumber(), 1);
    QCOMPARE(d.ListBox1->count(), Materials);

    // A book that cannot be read is reported and leaves the previous choice.
    const QString broken = QDir(folder_->path()).filePath("kanzai/haikan2.FDA");
    PutFileBytes(broken, "short");
    d.ib[1]->click();
    QCOMPARE(seam.errors.size(), 1);
    QVERIFY2(seam.errors[0].contains(QStringLiteral("haikan2.FDA")), qPrintable(seam.errors[0]));
    QVERIFY2(seam.errors[0].contains(QString::fromUtf8("壊れています")), qPrintable(seam.errors[0]));
    QCOMPARE(d.categoryNumber(), 1);
    QCOMPARE(d.windowTitle(), Caption + book_);
    QVERIFY(seam.unexpected.isEmpty());
}

void TestInputDialog::materialChoice()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    d.ib[0]->click();
    ClickMaterial(d, 1);
    QCOMPARE(d.select_data->caption(), QStringLiteral("硬質塩化ビニルライニング鋼管"));
    QCOMPARE(d.currentChoice().material, 1);
    const QString sheets[4] = {"屋内一般", "機械室", "地中", "屋外"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(d.tanka_opt[i]->text(), sheets[i]);
        QVERIFY(d.tanka_opt[i]->isEnabled());
    }
    QCOMPARE(d.size_bt[0]->text(), QStringLiteral("11SU"));
    QCOMPARE(d.size_bt[13]->text(), QStringLiteral("141SU"));
    QVERIFY(d.size_bt[14]->text().isEmpty());
    d.tanka_opt[3]->click();

    // Refrigerant mode: one sheet, "一般", the others greyed.
    ClickMaterial(d, 2);
    QVERIFY(d.tanka_opt[0]->isChecked());
    QCOMPARE(d.tanka_opt[0]->text(), QStringLiteral("一般"));
    for (int i = 0; i < 4; ++i)
        QVERIFY(!d.tanka_opt[i]->isEnabled());
    QCOMPARE(d.tanka_opt[2]->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(d.currentChoice().sheet, 0);
    QCOMPARE(d.currentChoice().sheetCaption, QStringLiteral("一般"));

    ClickMaterial(d, 0);
    QCOMPARE(d.tanka_opt[0]->text(), QStringLiteral("屋内一般"));
    QVERIFY(d.tanka_opt[3]->isEnabled());
    QCOMPARE(d.tanka_opt[2]->palette().color(QPalette::WindowText), QColor(Qt::black));

    // A material that cannot be read is not selected.
    QFile::resize(book_, 60 * 360);
    ClickMaterial(d, 3);
    QCOMPARE(seam.errors.size(), 1);
    QCOMPARE(d.currentChoice().material, -1);
}

void TestInputDialog::sizeFollowsTheMaterial()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();
    d.ib[0]->click();
    // Before any material the size buttons carry the form's captions.
    d.size_bt[2]->click();
    QCOMPARE(d.sizename->caption(), QStringLiteral("25A"));
    QCOMPARE(d.focusWidget(), d.nmanyin);

    ClickMaterial(d, 0);
    QCOMPARE(d.sizename->caption(), QStringLiteral("30A"));
    ClickMaterial(d, 1);
    QCOMPARE(d.sizename->caption(), QStringLiteral("31SU"));
    QCOMPARE(d.currentChoice().sizeName, QStringLiteral("31SU"));
    QCOMPARE(d.currentChoice().row, 2);

    // The new material has no size at that row: the size check refuses.
    ClickMaterial(d, 3);
    QVERIFY(d.sizename->caption().isEmpty());
    Type(d, QStringLiteral("2"));
    d.net_bt->click();
    QString text;
    AnswerBox(seam, &text);
    d.IconButton3->click();
    QCOMPARE(text, QStringLiteral("サイズが指定されていません。"));
    QCOMPARE(lines.count(), 0);

    // The fifteenth button has no caption.
    d.size_bt[14]->click();
    AnswerBox(seam, &text);
    d.IconButton3->click();
    QCOMPARE(text, QStringLiteral("サイズが指定されていません。"));
    QCOMPARE(lines.count(), 0);
}

void TestInputDialog::checksInOrder()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();
    const auto refusal = [&] {
        QString text;
        AnswerBox(seam, &text);
        d.IconButton3->click();
        return text;
    };
    QCOMPARE(refusal(), QStringLiteral("管種が選択されていません。"));
    d.ib[0]->click();
    QCOMPARE(refusal(), QStringLiteral("管材が選択されていません。"));
    ClickMaterial(d, 0);
    d.ib[0]->click(); // reloads the list, without a selection
    QCOMPARE(refusal(), QStringLiteral("材料が指定されていません。"));
    ClickMaterial(d, 0);
    QCOMPARE(refusal(), QStringLiteral("サイズが指定されていません。"));
    d.size_bt[0]->click();
    QCOMPARE(refusal(), QStringLiteral("数量が入力されていません。"));
    QCOMPARE(lines.count(), 0);
    d.nmanyin->setValue(C("3"));
    d.IconButton3->click();
    QCOMPARE(lines.count(), 1);
    // Ready for the next line: size and quantities are cleared.
    QVERIFY(d.sizename->caption().isEmpty());
    QCOMPARE(d.currentChoice().row, 0);
    QVERIFY(d.nmanyin->text().isEmpty());
    QCOMPARE(refusal(), QStringLiteral("サイズが指定されていません。"));
    QCOMPARE(lines.count(), 1);
    QCOMPARE(d.select_data->caption(), QStringLiteral("配管用炭素鋼鋼管"));
    QVERIFY(seam.unexpected.isEmpty());
}

void TestInputDialog::keypad()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();

    QString text;
    for (TGradBtn* button : {d.net_bt, d.offer_bt, d.netoffer_bt}) {
        AnswerBox(seam, &text);
        button->click();
        QCOMPARE(text, QStringLiteral("数量が入力されていません。"));
    }
    Type(d, QStringLiteral("0123456789."));
    QCOMPARE(d.MANYIN->caption(), QStringLiteral("0123456789."));
    d.bs_bt->click();
    QVERIFY(d.MANYIN->caption().isEmpty());

    Type(d, QStringLiteral("12.5"));
    d.net_bt->click();
    QCOMPARE(d.nmanyin->value(), C("12.5"));
    QCOMPARE(d.MANYIN->caption(), QStringLiteral("12.5"));
    d.bs_bt->click();
    Type(d, QStringLiteral(".25"));
    d.offer_bt->click();
    QCOMPARE(d.gmanyin->value(), C("0.25"));
    QCOMPARE(d.nmanyin->value(), C("12.5"));

    // Two points are no number: reported, and the quantities stay.
    d.bs_bt->click();
    Type(d, QStringLiteral("1.2.3"));
    d.offer_bt->click();
    d.netoffer_bt->click();
    QCOMPARE(seam.errors, QStringList(2, QString::fromUtf8("\"1.2.3\" は数値ではありません。")));
    QCOMPARE(d.gmanyin->value(), C("0.25"));
    QCOMPARE(d.nmanyin->value(), C("12.5"));
    QCOMPARE(lines.count(), 0);

    // Net=Offer sets both and sends.
    d.ib[0]->click();
    ClickMaterial(d, 0);
    d.size_bt[4]->click();
    d.bs_bt->click();
    Type(d, QStringLiteral("7.5"));
    d.netoffer_bt->click();
    QCOMPARE(lines.count(), 1);
    const EstimateLine line = lines.takeFirst().at(0).value<EstimateLine>();
    QCOMPARE(line.netQuantity, C("7.5"));
    QCOMPARE(line.offerQuantity, C("7.5"));
    QCOMPARE(line.flag, 20);
    QVERIFY(d.MANYIN->caption().isEmpty());
    QVERIFY(d.gmanyin->text().isEmpty());
    QVERIFY(seam.unexpected.isEmpty());
}

void TestInputDialog::keypadIgnoresTheLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    PutFileBytes(QDir(folder_->path()).filePath("kavre_p.adv"), "[REMOVAL]=0.25\r\n[RECYCLE]=1.5\r\n");
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    Type(d, QStringLiteral("1.5"));
    d.net_bt->click();
    QLocale::setDefault(before);
    QCOMPARE(d.nmanyin->value(), C("1.5"));
    QCOMPARE(d.removal->caption(), QStringLiteral("0.25"));
    QCOMPARE(d.removalSettings().recycleFactor, C("1.5"));
}

void TestInputDialog::enterKeys()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();
    QApplication::setActiveWindow(&d);
    ChooseLine(d, 0, 0);
    d.nmanyin->setFocus();
    QTest::keyClick(d.nmanyin, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), d.gmanyin);
    QCOMPARE(lines.count(), 0);
    QTest::keyClick(d.gmanyin, Qt::Key_Enter);
    QCOMPARE(lines.count(), 1);
    QVERIFY(d.isVisible());
    QVERIFY(seam.asked.isEmpty());
}

void TestInputDialog::sentLine()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {QStringLiteral("1;3;12;系統B;")});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();
    d.ib[0]->click();
    ClickMaterial(d, 1);
    d.tanka_opt[1]->click();
    d.size_bt[13]->click(); // the last price line
    d.CALC_OPT1[2]->click();
    d.data_opt[3]->click();
    d.CheckBox2->setChecked(true);
    Type(d, QStringLiteral("4"));
    d.net_bt->click();
    d.bs_bt->click();
    Type(d, QStringLiteral("3.5"));
    d.offer_bt->click();
    d.IconButton3->click();
    QCOMPARE(lines.count(), 1);
    const EstimateLine line = lines.takeFirst().at(0).value<EstimateLine>();

    const PriceRow record = SampleBook().row(RowNumber(1, 1, 14));
    QCOMPARE(line.materialName, QStringLiteral("硬質塩化ビニルライニング鋼管"));
    QCOMPARE(line.sizeText, QStringLiteral("141SU 機械室"));
    QCOMPARE(line.sizeName, QStringLiteral("141SU"));
    QCOMPARE(line.sheet, 1);
    QCOMPARE(line.priceA, Currency());   // removal for reuse
    QCOMPARE(line.priceB, Currency());
    QCOMPARE(line.adoptedPrice, record.adoptedLevel[3]);
    QCOMPARE(line.listPrice, record.listPrice);
    QCOMPARE(line.fitterRate, RemovalRate(record.rate[4], C("0.3"), 1, 1));
    QCOMPARE(line.flag, 120);          // a fraction, in pickup mode
    QCOMPARE(PlainText(line.lineCode), QStringLiteral("90.2")); // line 60 + 15 + 14, system 12
    QCOMPARE(line.systemNumber, 12);
    QVERIFY(line.constructionRemark.isEmpty()); // the option is disabled in pickup mode
    QVERIFY(line.remark.isEmpty());
    // What stays for the next line.
    QCOMPARE(d.currentChoice().material, 1);
    QCOMPARE(d.currentChoice().sheet, 1);
    QCOMPARE(d.currentChoice().work, WorkKind::RemovalReuse);
    QCOMPARE(d.currentChoice().constructionType, QStringLiteral("機械室"));
    QCOMPARE(d.Level_box->currentIndex(), 3);
}

// The captions only show what was chosen: a caption changed behind the
// dialog's back (a style, a translation, an elided text) changes no line.
void TestInputDialog::lineFromTheChoicesNotTheCaptions()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();
    d.ib[0]->click();
    ClickMaterial(d, 1);
    d.tanka_opt[2]->click();
    d.data_opt[3]->click();
    d.CheckBox2->setChecked(true);
    d.CheckBox3->setChecked(true);
    d.size_bt[4]->click();
    Type(d, QStringLiteral("2"));
    d.net_bt->click();
    const QString other = QStringLiteral("x");
    d.select_data->setCaption(other);
    d.tanka_opt[2]->setText(other);
    d.data_opt[3]->setText(other);
    d.sizename->setCaption(other);
    d.size_bt[4]->setText(other);
    d.IconButton3->click();
    QCOMPARE(lines.count(), 1);
    const EstimateLine line = lines.takeFirst().at(0).value<EstimateLine>();
    QCOMPARE(line.materialName, QStringLiteral("硬質塩化ビニルライニング鋼管"));
    QCOMPARE(line.sizeText, QStringLiteral("51SU 地中"));
    QCOMPARE(line.sizeName, QStringLiteral("51SU"));
    QCOMPARE(line.constructionRemark, QStringLiteral("機械室"));
}

void TestInputDialog::remarkHistory()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    QSignalSpy lines(&d, &TFKANZAI::EstimateLineBuilt);
    d.show();
    d.ib[0]->click();
    ClickMaterial(d, 0);
    QVERIFY(!d.X_opt3->isEnabled());
    for (int i = 1; i <= 21; ++i) {
        d.size_bt[0]->click();
        d.nmanyin->setValue(C("1"));
        // Kept in the history even while the option is off.
        d.X_opt3->setEditText(QStringLiteral("remark%1").arg(i));
        d.IconButton3->click();
    }
    QCOMPARE(lines.count(), 21);
    QCOMPARE(d.X_opt3->count(), RemarkHistoryLimit);
    QCOMPARE(d.X_opt3->itemText(0), QStringLiteral("remark21"));
    QCOMPARE(d.X_opt3->itemText(19), QStringLiteral("remark2"));
    QVERIFY(lines.last().at(0).value<EstimateLine>().remark.isEmpty());

    d.CheckGroupBox1->setBoxChecked(true);
    QVERIFY(d.X_opt3->isEnabled());
    d.size_bt[0]->click();
    d.nmanyin->setValue(C("1"));
    d.X_opt3->setEditText(QStringLiteral("remark5"));
    d.IconButton3->click();
    const EstimateLine line = lines.last().at(0).value<EstimateLine>();
    QCOMPARE(line.remark, QStringLiteral("remark5"));
    QCOMPARE(line.flag, 15);
    QCOMPARE(d.X_opt3->itemText(0), QStringLiteral("remark5"));
    QCOMPARE(d.X_opt3->count(), RemarkHistoryLimit);
    QCOMPARE(d.X_opt3->findText(QStringLiteral("remark5"), Qt::MatchExactly), 0);
    QCOMPARE(d.X_opt3->currentText(), QStringLiteral("remark5"));
}

void TestInputDialog::closeSavesTheRemarks()
{
    const QString path = RemarkHistoryPath(folder_->path());
    {
        ScriptedModalSeam seam;
        TFKANZAI d(folder_->path(), {});
        d.show();
        d.IconButton13->click();
        QVERIFY(!d.isVisible());
    }
    QVERIFY(!QFile::exists(path)); // nothing to keep
    {
        ScriptedModalSeam seam;
        TFKANZAI d(folder_->path(), {});
        d.show();
        ChooseLine(d, 0, 0);
        d.X_opt3->setEditText(QStringLiteral("保温共"));
        d.IconButton3->click();
        d.close();
        QVERIFY(seam.asked.isEmpty());
    }
    QCOMPARE(FileBytes(path), QByteArray("\x95\xdb\x89\xb7\x8b\xa4\r\n"));
}

void TestInputDialog::closeWhenTheRemarksCannotBeSaved()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    d.X_opt3->addItem(QStringLiteral("a"));
    // A folder where the file should go cannot be replaced.
    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("comment.DAT")));
    d.IconButton13->click();
    QCOMPARE(seam.errors.size(), 1);
    QVERIFY(seam.errors[0].contains(QStringLiteral("comment.DAT")));
    QVERIFY(!d.isVisible());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestInputDialog)
#include "TestInputDialog.moc"
