#include "ApplicationTitle.h"
#include "DataFileConfig.h"
#include "FileError.h"
#include "InformationCommands.h"
#include "MainWindowProgram.h"
#include "ScopedEnvironment.h"
#include "ScriptedModalSeam.h"
#include "TBorRadio.h"
#include "TIconButton.h"
#include "TNValEdit.h"
#include "TestFiles.h"
#include "Tflevel_select.h"
#include "Tftankacalc.h"
#include "Tkvconfig.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Title = QStringLiteral("Zavrikon（管材編）");

// Answers the next message box with its first button and keeps its text.
void AnswerBox(ScriptedModalSeam& seam, QString* text, Qt::CursorShape* cursor = nullptr)
{
    seam.dialogAnswers.push_back([=](QDialog& d) {
        *text = d.findChild<QLabel*>(QStringLiteral("text"))->text();
        auto* button = d.findChild<QPushButton*>(QStringLiteral("button1"));
        if (cursor)
            *cursor = button->cursor().shape();
        button->click();
        return d.result();
    });
}

QStringList FileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
}

} // namespace

class TestSmallDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(Title); }
    void settingsWithoutFile();
    void settingsFromPartialFile();
    void settingsEditing();
    void settingsExitKeepsEdits();
    void settingsFailures();
    void unitPriceChoices_data();
    void unitPriceChoices();
    void unitPriceButtons();
    void levelSelection_data();
    void levelSelection();
    void levelSelectionButtons();
    void informationTexts();
    void parseMemInfo_data();
    void parseMemInfo();
    void informationBoxes();
    void notepadShortcut();
    void editorAndCalculatorFromThePath_data();
    void editorAndCalculatorFromThePath();
};

void TestSmallDialogs::settingsWithoutFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedModalSeam seam;
    Tkvconfig dialog(folder.path());
    QCOMPARE(dialog.windowTitle(), Title + QStringLiteral("環境設定"));
    QCOMPARE(dialog.configuration(), DefaultDataFileConfig(folder.path()));
    QCOMPARE(dialog.groupName(5), QStringLiteral("冷温水"));
    QCOMPARE(dialog.fileName(9), QDir::toNativeSeparators(folder.filePath(QStringLiteral("kanzai/haikan10.FDA"))));
    QVERIFY(!QFile::exists(dialog.configurationPath()));

    QString text;
    Qt::CursorShape cursor = Qt::BlankCursor;
    dialog.BuildForm();
    AnswerBox(seam, &text, &cursor);
    dialog.IconButton3->click();
    QCOMPARE(text, QStringLiteral("フォルダ－の変更にはソフトウェアの再起動が必要です。\nVersion2.00"));
    QCOMPARE(cursor, Qt::ArrowCursor);
    QCOMPARE(ReadDataFileConfig(dialog.configurationPath()), DefaultDataFileConfig(folder.path()));
    QVERIFY(seam.unexpected.isEmpty());
}

void TestSmallDialogs::settingsFromPartialFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = DataFileConfigPath(folder.path());
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[GROUP_NAME1]=Water\r\n[FILE_NAME1]=/srv/a=1.FDA\r\n");
    }
    ScriptedModalSeam seam;
    Tkvconfig dialog(folder.path());
    dialog.BuildForm();
    QCOMPARE(dialog.BN[0]->text(), QStringLiteral("Water"));
    QCOMPARE(dialog.fn[0]->text(), QStringLiteral("/srv/a=1.FDA"));
    for (int k = 1; k < CategoryCount; ++k) {
        QVERIFY(dialog.BN[k]->text().isEmpty());
        QVERIFY(dialog.fn[k]->text().isEmpty());
    }
    QString text;
    AnswerBox(seam, &text);
    dialog.IconButton3->click();
    const QStringList lines = FileLines(path);
    QCOMPARE(lines.size(), 21); // 20 lines and the empty piece after the last CR LF
    QCOMPARE(lines[0], QStringLiteral("[GROUP_NAME1]=Water"));
    QCOMPARE(lines[1], QStringLiteral("[GROUP_NAME2]="));
    QCOMPARE(lines[10], QStringLiteral("[FILE_NAME1]=/srv/a=1.FDA"));
    QCOMPARE(lines[19], QStringLiteral("[FILE_NAME10]="));
}

void TestSmallDialogs::settingsEditing()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedModalSeam seam;
    Tkvconfig dialog(folder.path());
    dialog.BuildForm();

    // A name: OK replaces it, Cancel keeps it.
    seam.inputAnswers = {QStringLiteral("上水"), std::nullopt};
    QTest::mouseClick(dialog.BN[0], Qt::LeftButton);
    QCOMPARE(dialog.BN[0]->text(), QStringLiteral("上水"));
    QTest::mouseClick(dialog.BN[0], Qt::LeftButton);
    QCOMPARE(dialog.BN[0]->text(), QStringLiteral("上水"));
    QCOMPARE(seam.asked.value(0), QStringLiteral("input Telvoran %1 給水").arg(Title));

    // A file: a chosen path replaces it, a cancelled dialog keeps it.
    const QString before = dialog.fn[3]->text();
    seam.openAnswers = {QString(), QStringLiteral("/srv/price/給湯.FDA")};
    QTest::mouseClick(dialog.fn[3], Qt::LeftButton);
    QCOMPARE(dialog.fn[3]->text(), before);
    QTest::mouseClick(dialog.fn[3], Qt::LeftButton);
    QCOMPARE(dialog.fn[3]->text(), QStringLiteral("/srv/price/給湯.FDA"));
    QVERIFY(seam.asked.value(2).endsWith(QStringLiteral("複合単価管材ファイル (*.FDA *.fda);;全てのファイル (*)")));
    // A name typed without an extension gets the default one.
    seam.openAnswers = {QStringLiteral("/srv/price/haikan4")};
    QTest::mouseClick(dialog.fn[3], Qt::LeftButton);
    QCOMPARE(dialog.fn[3]->text(), QStringLiteral("/srv/price/haikan4.FDA"));
    seam.openAnswers = {QStringLiteral("/srv/price/給湯.FDA")};
    QTest::keyClick(dialog.fn[3], Qt::Key_Space);
    QCOMPARE(dialog.fn[3]->text(), QStringLiteral("/srv/price/給湯.FDA"));

    // The folder button points all ten files into the chosen folder.
    seam.folderAnswers = {QString(), QStringLiteral("/mnt/share/kanzai")};
    dialog.Button1->click();
    QCOMPARE(dialog.fn[3]->text(), QStringLiteral("/srv/price/給湯.FDA"));
    dialog.Button1->click();
    for (int k = 0; k < CategoryCount; ++k)
        QCOMPARE(dialog.fn[k]->text(), QStringLiteral("/mnt/share/kanzai/haikan%1.FDA").arg(k + 1));

    // Closed, the dialog hands its fields back; the window renames a group
    // and stores it; other indices name nothing.
    dialog.IconButton2->click();
    dialog.setGroupName(9, QStringLiteral("冷媒管"));
    dialog.setGroupName(10, QStringLiteral("x"));
    dialog.setGroupName(-1, QStringLiteral("x"));
    dialog.saveConfiguration();
    const DataFileConfig stored = ReadDataFileConfig(dialog.configurationPath());
    QCOMPARE(stored.groupName[0], QStringLiteral("上水"));
    QCOMPARE(stored.groupName[9], QStringLiteral("冷媒管"));
    QCOMPARE(stored.fileName[9], QStringLiteral("/mnt/share/kanzai/haikan10.FDA"));
    QCOMPARE(stored, dialog.configuration());
    QVERIFY(seam.unexpected.isEmpty());
}

void TestSmallDialogs::settingsExitKeepsEdits()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedModalSeam seam;
    Tkvconfig dialog(folder.path());
    // The controls come with the first showing, with what was set before it.
    QVERIFY(!dialog.BN[0] && !dialog.IconButton2);
    dialog.setGroupName(2, QStringLiteral("上水"));
    seam.inputAnswers = {QStringLiteral("雑排水")};
    seam.dialogAnswers.push_back([&](QDialog& d) {
        [&] { QCOMPARE(dialog.BN[2]->text(), QStringLiteral("上水")); }();
        QTest::mouseClick(dialog.BN[1], Qt::LeftButton);
        dialog.IconButton2->click();
        return d.result();
    });
    QCOMPARE(dialog.Execute(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(dialog.configurationPath()));
    // Shown again, the edit is still there.
    seam.dialogAnswers.push_back([&](QDialog& d) {
        [&] { QCOMPARE(dialog.BN[1]->text(), QStringLiteral("雑排水")); }();
        dialog.IconButton2->click();
        return d.result();
    });
    dialog.Execute();
    QVERIFY(!QFile::exists(dialog.configurationPath()));
    QVERIFY(seam.unexpected.isEmpty());
}

void TestSmallDialogs::settingsFailures()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("kavre_p.conf")));
    ScriptedModalSeam seam;
    // Unreadable at creation: reported, the fields stay empty.
    Tkvconfig dialog(folder.path());
    dialog.BuildForm();
    QCOMPARE(seam.errors.size(), 1);
    QVERIFY(seam.errors[0].contains(QStringLiteral("kavre_p.conf")));
    QCOMPARE(dialog.configuration(), DataFileConfig{});
    // A store that fails is not reported as done.
    QVERIFY_THROWS_EXCEPTION(FileError, dialog.saveConfiguration());
    seam.asked.clear();
    dialog.IconButton3->click();
    QCOMPARE(seam.errors.size(), 2);
    QVERIFY(seam.errors[1].contains(QStringLiteral("kavre_p.conf")));
    QVERIFY(!seam.asked.join(QLatin1Char('\n')).contains(QStringLiteral("dialog")));
}

void TestSmallDialogs::unitPriceChoices_data()
{
    QTest::addColumn<int>("rounding"); // bc index
    QTest::addColumn<int>("digits");   // bd index
    QTest::addColumn<bool>("fromCost");
    QTest::addColumn<QString>("typed"); // keys typed into Lev1, then Lev2 after Enter
    QTest::addColumn<qint64>("addendRaw");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<qint64>("lev1Raw");
    QTest::addColumn<qint64>("lev2Raw");

    QTest::newRow("round half, 1") << 0 << 0 << false << "80" << qint64(5000) << qint64(1) << qint64(800000) << qint64(0);
    QTest::newRow("round up, 100, cost") << 1 << 2 << true << "12.5" << qint64(9000) << qint64(100) << qint64(125000) << qint64(0);
    QTest::newRow("round down, 10000") << 2 << 4 << false << "75\n60" << qint64(0) << qint64(10000) << qint64(750000) << qint64(600000);
    QTest::newRow("10 and 1000") << 0 << 1 << false << "" << qint64(5000) << qint64(10) << qint64(0) << qint64(0);
    QTest::newRow("1000") << 2 << 3 << true << "-5" << qint64(0) << qint64(1000) << qint64(-50000) << qint64(0);
}

void TestSmallDialogs::unitPriceChoices()
{
    QFETCH(int, rounding);
    QFETCH(int, digits);
    QFETCH(bool, fromCost);
    QFETCH(QString, typed);
    QFETCH(qint64, addendRaw);
    QFETCH(qint64, step);
    QFETCH(qint64, lev1Raw);
    QFETCH(qint64, lev2Raw);

    Tftankacalc dialog;
    dialog.show();
    dialog.bc[rounding]->click();
    dialog.bd[digits]->click();
    (fromCost ? dialog.CheckBox2 : dialog.CheckBox1)->click();
    dialog.Lev[0]->setFocus();
    QWidget* field = dialog.Lev[0];
    for (QChar c : typed) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(field, Qt::Key_Return);
            field = dialog.focusWidget();
            QVERIFY(field);
        } else {
            QTest::keyClicks(field, QString(c));
        }
    }
    QCOMPARE(field, typed.contains(QLatin1Char('\n')) ? static_cast<QWidget*>(dialog.Lev[1]) : dialog.Lev[0]);

    // Exactly one radio per group stays checked.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(dialog.bc[i]->isChecked(), i == rounding);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(dialog.bd[i]->isChecked(), i == digits);
    QCOMPARE(dialog.CheckBox2->isChecked(), fromCost);
    QCOMPARE(dialog.CheckBox1->isChecked(), !fromCost);

    const RepriceChoices c = dialog.choices();
    QCOMPARE(c.method, fromCost ? RepriceChoices::FromCost : RepriceChoices::FromList);
    QCOMPARE(c.addend.raw(), addendRaw);
    QCOMPARE(c.step, step);
    QCOMPARE(c.percent[0].raw(), lev1Raw);
    QCOMPARE(c.percent[1].raw(), lev2Raw);
    QCOMPARE(c.percent[4].raw(), qint64(0));
}

void TestSmallDialogs::unitPriceButtons()
{
    Tftankacalc dialog;
    QCOMPARE(dialog.windowTitle(), Title);
    QCOMPARE(dialog.resultTag(), 0);
    QCOMPARE(dialog.bc[0]->text(), QStringLiteral("四捨五入"));
    QCOMPARE(dialog.bd[4]->text(), QStringLiteral("10000"));
    QCOMPARE(dialog.Lev[2]->text(), QStringLiteral("0"));
    QCOMPARE(dialog.Button1->text(), QStringLiteral("実 行"));
    QCOMPARE(dialog.bc[1]->checkColor(), QColor(Qt::blue));
    const RepriceChoices initial = dialog.choices();
    QCOMPARE(initial.method, RepriceChoices::FromList);
    QCOMPARE(initial.addend.raw(), qint64(5000));
    QCOMPARE(initial.step, qint64(1));

    ScriptedModalSeam seam;
    seam.dialogAnswers.push_back([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        return d.result();
    });
    QCOMPARE(seam.exec(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.resultTag(), 1);

    seam.dialogAnswers.push_back([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        return d.result();
    });
    seam.exec(dialog);
    QCOMPARE(dialog.resultTag(), 0);
}

void TestSmallDialogs::levelSelection_data()
{
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 6; ++level)
        QTest::addRow("level %d", level) << level;
}

void TestSmallDialogs::levelSelection()
{
    QFETCH(int, level);
    Tflevel_select dialog;
    dialog.show();
    QCOMPARE(dialog.checkedLevel(), 1);
    QTest::mouseClick(dialog.level[level - 1], Qt::LeftButton);
    QCOMPARE(dialog.checkedLevel(), level);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(dialog.level[i]->isChecked(), i == level - 1);
}

void TestSmallDialogs::levelSelectionButtons()
{
    Tflevel_select dialog;
    QCOMPARE(dialog.resultValue(), 0);
    QCOMPARE(dialog.level[5]->text(), QStringLiteral("原　価"));
    QCOMPARE(dialog.Button1->text(), QStringLiteral("実　行"));
    QVERIFY(!dialog.writeHeadings());
    QVERIFY(!dialog.writeComputedResults());

    ScriptedModalSeam seam;
    seam.dialogAnswers.push_back([&](QDialog& d) {
        dialog.CheckBox8->click();
        d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        return d.result();
    });
    seam.exec(dialog);
    QCOMPARE(dialog.resultValue(), 1);
    QVERIFY(!dialog.writeHeadings());
    QVERIFY(dialog.writeComputedResults());

    seam.dialogAnswers.push_back([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        return d.result();
    });
    seam.exec(dialog);
    QCOMPARE(dialog.resultValue(), 0);

    Tflevel_select plain;
    plain.hideOptions();
    plain.show();
    QVERIFY(!plain.CheckBox7->isVisible());
    QVERIFY(!plain.CheckBox8->isVisible());
    QVERIFY(plain.level[0]->isVisible());
}

void TestSmallDialogs::informationTexts()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Kavrel")));
    // The folder as stored, whatever spelling the caller used.
    QCOMPARE(InstallFolderText(folder.filePath(QStringLiteral("Kavrel/../Kavrel"))),
             QStringLiteral("現在のインストールフォルダー\r\n") + QDir::toNativeSeparators(folder.filePath(QStringLiteral("Kavrel"))));
    QCOMPARE(MemoryText({3'000'000'000ull, 17'179'869'184ull}),
             QStringLiteral("現在のメモリーは\r\nFree 3000000000 / Total 17179869184 Bytes"));
    QCOMPARE(ScreenResolutionText({1280, 1024}), QStringLiteral("現在の画面解像度は\r\n1280×1024"));
    QCOMPARE(AboutText(Title), Title + QStringLiteral("\r\nVersion2.20"));

    const auto memory = CurrentPhysicalMemory();
    QVERIFY(memory);
    QVERIFY(memory->total > 0);
    QVERIFY(memory->available <= memory->total);
}

void TestSmallDialogs::parseMemInfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<quint64>("available");
    QTest::addColumn<quint64>("total");
    QTest::newRow("kernel form") << QByteArray("MemTotal:       16318412 kB\nMemFree:         1234 kB\n"
                                               "MemAvailable:    8123456 kB\n")
                                 << true << quint64(8123456) * 1024 << quint64(16318412) * 1024;
    QTest::newRow("no available line") << QByteArray("MemTotal: 100 kB\nMemFree: 50 kB\n") << false << quint64(0) << quint64(0);
    QTest::newRow("not a number") << QByteArray("MemTotal: many kB\nMemAvailable: 1 kB\n") << false << quint64(0) << quint64(0);
    QTest::newRow("similar keys ignored")
        << QByteArray("MemTotalX: 9 kB\nMemTotal: 10 kB\nMemAvailable: 4 kB\n") << true << quint64(4096) << quint64(10240);
}

void TestSmallDialogs::parseMemInfo()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, found);
    QFETCH(quint64, available);
    QFETCH(quint64, total);
    const auto memory = ParseMemInfo(text);
    QCOMPARE(bool(memory), found);
    if (memory) {
        QCOMPARE(quint64(memory->available), available);
        QCOMPARE(quint64(memory->total), total);
    }
}

void TestSmallDialogs::informationBoxes()
{
    ScriptedModalSeam seam;
    QString about, resolution, install, memory;
    AnswerBox(seam, &about);
    AnswerBox(seam, &resolution);
    AnswerBox(seam, &install);
    AnswerBox(seam, &memory);
    ShowAbout();
    ShowScreenResolution();
    ShowInstallFolder();
    ShowMemory();
    QCOMPARE(about, Title + QStringLiteral("\nVersion2.20"));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(resolution, QStringLiteral("現在の画面解像度は\n%1×%2").arg(screen.width()).arg(screen.height()));
    QVERIFY(install.startsWith(QStringLiteral("現在のインストールフォルダー\n")));
    QVERIFY(install.endsWith(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    QVERIFY(memory.startsWith(QStringLiteral("現在のメモリーは\nFree ")));
    QVERIFY(!memory.contains(QStringLiteral("Free 0 / Total 0")));
    QCOMPARE(seam.asked.size(), 4);
    QVERIFY(seam.unexpected.isEmpty());
}

void TestSmallDialogs::notepadShortcut()
{
    QAction item;
    QVERIFY(!NotepadCommand(&item, Qt::ShiftModifier | Qt::ControlModifier));
    QCOMPARE(item.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
}

// The desktop's editor and calculator: the first of the common ones on the
// search path, else one box that says there is none.
void TestSmallDialogs::editorAndCalculatorFromThePath_data()
{
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<QString>("desktopDefault"); // the editor the desktop's settings name for plain text
    QTest::addColumn<bool>("calculator");
    QTest::addColumn<QString>("started"); // empty: none, and the box says so
    QTest::newRow("an editor") << QStringList{"mousepad", "xcalc"} << "" << false << "mousepad";
    QTest::newRow("the first of two editors") << QStringList{"kate", "gedit"} << "" << false << "gedit";
    QTest::newRow("the desktop's editor") << QStringList{"gedit", "textedit"} << "textedit" << false << "textedit";
    QTest::newRow("the desktop's editor is gone") << QStringList{"gedit"} << "textedit" << false << "gedit";
    QTest::newRow("no editor") << QStringList{"xcalc"} << "" << false << "";
    QTest::newRow("a calculator") << QStringList{"galculator"} << "" << true << "galculator";
    QTest::newRow("no calculator") << QStringList{"gedit"} << "" << true << "";
}

void TestSmallDialogs::editorAndCalculatorFromThePath()
{
    QFETCH(QStringList, onPath);
    QFETCH(QString, desktopDefault);
    QFETCH(bool, calculator);
    QFETCH(QString, started);
    QTemporaryDir bin;
    // The desktop's settings are those of the test alone.
    QVERIFY(QDir(bin.path()).mkpath("applications"));
    ScopedEnvironment environment;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        environment.set(name, bin.path());
    if (!desktopDefault.isEmpty()) {
        PutFileBytes(bin.filePath("mimeapps.list"), "[Default Applications]\ntext/plain=edit.desktop\n");
        PutFileBytes(bin.filePath("applications/edit.desktop"), "[Desktop Entry]\nExec=" + desktopDefault.toUtf8() + " %U\n");
    }
    for (const QString& name : onPath) {
        // Each program leaves its name behind when it runs.
        QFile script(bin.filePath(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n/usr/bin/touch '%1'\n").arg(bin.filePath(name + ".ran")).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    environment.set("PATH", bin.path());
    ScriptedModalSeam seam;
    QStringList texts;
    if (started.isEmpty())
        seam.dialogAnswers.push_back(Press("button1", &texts));
    const bool ok = calculator ? StartCalculator() : StartNotepad();
    QCOMPARE(ok, !started.isEmpty());
    if (started.isEmpty()) {
        QCOMPARE(texts, QStringList{QString::fromUtf8(calculator ? "電卓が見つかりません。" : "テキストエディタが見つかりません。")});
    } else {
        QTRY_VERIFY(QFile::exists(bin.filePath(started + ".ran")));
        for (const QString& other : onPath)
            QCOMPARE(QFile::exists(bin.filePath(other + ".ran")), other == started);
    }
    QVERIFY(seam.unexpected.isEmpty());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestSmallDialogs)
#include "TestSmallDialogs.moc"
