#include "ApplicationTitle.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "ProcessStart.h"
#include "ProgramStart.h"
#include "ScriptedModalSeam.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using Action = std::function<void(QDialog&)>;
Q_DECLARE_METATYPE(Action)

namespace {

QPushButton* Button(QDialog& dialog, int n)
{
    return dialog.findChild<QPushButton*>(QStringLiteral("button%1").arg(n));
}

QImage IconImage(const QIcon& icon)
{
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

void WriteScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(QStringLiteral("Zavrikon（管材編）")); }
    void toolkitSpeaksJapanese();
    void results_data();
    void results();
    void realEventLoopResults_data();
    void realEventLoopResults();
    void boxLook();
    void iconFile();
    void findProgram();
    void startProgram();
};

void TestMessageBoxes::results_data()
{
    QTest::addColumn<bool>("choice");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("expected");

    const Action first = [](QDialog& d) { Button(d, 1)->click(); };
    const Action second = [](QDialog& d) { Button(d, 2)->click(); };
    const Action enter = [](QDialog& d) { d.show(); QTest::keyClick(&d, Qt::Key_Return); };
    const Action escape = [](QDialog& d) { d.show(); QTest::keyClick(&d, Qt::Key_Escape); };
    const Action closeBox = [](QDialog& d) { d.show(); d.close(); };
    const Action escapeThenFirst = [](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        Button(d, 1)->click();
    };

    QTest::newRow("info button") << false << first << 6;
    QTest::newRow("info enter") << false << enter << 6;
    QTest::newRow("info close box") << false << closeBox << 2;
    QTest::newRow("info escape does nothing") << false << escapeThenFirst << 6;
    QTest::newRow("choice first") << true << first << 6;
    QTest::newRow("choice second") << true << second << 7;
    QTest::newRow("choice enter") << true << enter << 6;
    QTest::newRow("choice escape is second") << true << escape << 7;
    QTest::newRow("choice close box") << true << closeBox << 2;
}

void TestMessageBoxes::results()
{
    QFETCH(bool, choice);
    QFETCH(Action, action);
    QFETCH(int, expected);

    ScriptedModalSeam seam;
    seam.dialogAnswers.push_back([&](QDialog& d) {
        action(d);
        return d.result();
    });
    const int result = choice ? ChoiceBox(QStringLiteral("削除しますか"), QStringLiteral("実行"), QStringLiteral("キャンセル"))
                              : InfoBox(QStringLiteral("保存しました"), QStringLiteral("確認"));
    QCOMPARE(result, expected);
    QVERIFY(seam.unexpected.isEmpty());
}

void TestMessageBoxes::realEventLoopResults_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("first") << "button1" << 6;
    QTest::newRow("second") << "button2" << 7;
    QTest::newRow("rejected") << "" << 2;
}

// The boxes also return their codes through the toolkit's own modal loop.
void TestMessageBoxes::realEventLoopResults()
{
    QFETCH(QString, button);
    QFETCH(int, expected);

    ModalSeam::install(nullptr);
    QTimer::singleShot(0, [button] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (button.isEmpty())
            dialog->reject();
        else
            dialog->findChild<QPushButton*>(button)->click();
    });
    QCOMPARE(ChoiceBox(QStringLiteral("実行しますか"), QStringLiteral("実行"), QStringLiteral("キャンセル")), expected);
}

void TestMessageBoxes::boxLook()
{
    ScriptedModalSeam seam;
    seam.dialogAnswers.push_back([](QDialog& d) {
        [&] {
            QCOMPARE(d.windowTitle(), QStringLiteral("Zavrikon（管材編）"));
            auto* text = d.findChild<QLabel*>(QStringLiteral("text"));
            QVERIFY(text);
            QCOMPARE(text->text(), QStringLiteral("現在の<b>解像度</b>は\n1024×768"));
            QCOMPARE(text->textFormat(), Qt::PlainText);
            QCOMPARE(Button(d, 1)->text(), QStringLiteral("実行"));
            QCOMPARE(Button(d, 2)->text(), QStringLiteral("キャンセル"));
            QVERIFY(Button(d, 1)->isDefault());
            QVERIFY(!Button(d, 2)->isDefault());
            QCOMPARE(Button(d, 1)->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(Button(d, 2)->cursor().shape(), Qt::PointingHandCursor);
        }();
        return 7;
    });
    seam.dialogAnswers.push_back([](QDialog& d) {
        [&] {
            QVERIFY(Button(d, 1));
            QVERIFY(!Button(d, 2));
            QCOMPARE(Button(d, 1)->cursor().shape(), Qt::ArrowCursor);
        }();
        return 6;
    });
    QCOMPARE(ChoiceBox(QStringLiteral("現在の<b>解像度</b>は\r\n1024×768"), QStringLiteral("実行"),
                       QStringLiteral("キャンセル")),
             7);
    QCOMPARE(InfoBox(QStringLiteral("再起動が必要です"), QStringLiteral("確認"), ButtonPointer::Arrow), 6);
    // A code the box cannot give counts as closed: a one-button box has no 7.
    seam.dialogAnswers.push_back([](QDialog&) { return 7; });
    QCOMPARE(InfoBox(QStringLiteral("x"), QStringLiteral("確認")), 2);
    QVERIFY(seam.unexpected.isEmpty());
}

void TestMessageBoxes::iconFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QImage standard = IconImage(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
    QCOMPARE(IconImage(MessageBoxIcon(folder.path())), standard);

    // An unreadable icon file falls back too.
    QFile broken(folder.filePath(QStringLiteral("dialog.ico")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not an icon");
    broken.close();
    QCOMPARE(IconImage(MessageBoxIcon(folder.path())), standard);

    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(folder.filePath(QStringLiteral("dialog.ico")), "ICO"));
    const QImage loaded = IconImage(MessageBoxIcon(folder.path()));
    QCOMPARE(loaded.pixelColor(16, 16), QColor(Qt::red));

    // The installed icon has its own images for screens scaled by 1.5 and 2.
    const QList<QSize> sizes = MessageBoxIcon(qEnvironmentVariable("KAVREL_PROGRAM_DIR")).availableSizes();
    for (const QSize size : {QSize(32, 32), QSize(48, 48), QSize(64, 64)})
        QVERIFY2(sizes.contains(size), qPrintable(QStringLiteral("%1 pixels").arg(size.width())));
}

void TestMessageBoxes::findProgram()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("true"));
    if (onPath.isEmpty())
        QSKIP("no 'true' on the search path");

    QCOMPARE(FindProgram(QStringLiteral("true"), folder.path()), onPath);
    // A Windows name falls back to the lower-case name without ".exe".
    QCOMPARE(FindProgram(QStringLiteral("TRUE.exe"), folder.path()), onPath);
    QCOMPARE(FindProgram(QStringLiteral("no-such-program-here.exe"), folder.path()), QString());
    QCOMPARE(FindProgram(QString(), folder.path()), QString());

    // The program folder comes before the search path.
    WriteScript(folder.filePath(QStringLiteral("true")), "exit 0\n");
    QCOMPARE(FindProgram(QStringLiteral("true"), folder.path()), folder.filePath(QStringLiteral("true")));

    // A file that cannot be run is no program.
    QFile plain(folder.filePath(QStringLiteral("Dorvisk")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QCOMPARE(FindProgram(QStringLiteral("Dorvisk"), folder.path()), QString());
    QVERIFY(!StartProgram(QStringLiteral("Dorvisk"), {}, folder.path()));
}

void TestMessageBoxes::startProgram()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString marker = folder.filePath(QStringLiteral("started.txt"));
    WriteScript(folder.filePath(QStringLiteral("Dorvisk")),
                "printf '%s|%s|' \"$1\" \"$(pwd)\" > started.part && mv started.part started.txt\n");

    QVERIFY(StartProgram(QStringLiteral("Dorvisk"), {QStringLiteral("a b;c")}, folder.path()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    QFile result(marker);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(result.readAll()), QStringLiteral("a b;c|%1|").arg(QDir(folder.path()).canonicalPath()));

    QVERIFY(!StartProgram(QStringLiteral("no-such-program-here.exe"), {}, folder.path()));
}

// The toolkit's own buttons and dialogs in Japanese, whatever the locale.
void TestMessageBoxes::toolkitSpeaksJapanese()
{
    QVERIFY(LoadToolkitJapanese());
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
    QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QString::fromUtf8("保存"));
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestMessageBoxes)
#include "TestMessageBoxes.moc"
