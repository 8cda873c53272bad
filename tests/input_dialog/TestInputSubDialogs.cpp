#include "ApplicationTitle.h"
#include "FileError.h"
#include "InputDialogFixture.h"
#include "MessageTestSupport.h"
#include "ProgramStarts.h"
#include "RemovalSettings.h"
#include "SystemNames.h"
#include "TBorRadio.h"
#include "TBoxLabel.h"
#include "TFKANZAI.h"
#include "TFKEITO_SELECT.h"
#include "Tfkanzai_plan.h"
#include "TGradBtn.h"
#include "TIconButton.h"
#include "TNValEditC.h"
#include "NumberText.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

QByteArray NamesFile()
{
    QByteArray bytes;
    for (int n = 1; n <= SystemCount; ++n)
        bytes += "[KEITO_NAME" + QByteArray::number(n) + "]=name" + QByteArray::number(n) + "\r\n";
    return bytes;
}

// A stand-in for a started program: it writes its arguments, one a line,
// beside itself into "<its name>.args".
void FakeProgram(const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    PutFileBytes(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

QStringList StartedWith(const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".args"));
    if (!QTest::qWaitFor([&] { return QFile::exists(path) && !FileBytes(path).isEmpty(); }, 10000))
        return {QStringLiteral("not started")};
    QStringList args = QString::fromUtf8(FileBytes(path)).split(QLatin1Char('\n'));
    args.removeLast();
    QFile::remove(path);
    return args;
}

} // namespace

class TestInputSubDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(DialogTitle()); }
    void init();
    void systemByNumberButton();
    void systemByNameAndCancel();
    void systemRename();
    void systemNamesMissing();
    void removalSettingsConfirm();
    void removalSettingsCancel();
    void removalSettingsCannotBeWritten();
    void programsStarted();
    void programEditions();
    void programMissing();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    // The dialogs listen here, never where a real estimate program could be.
    PrivateRuntimeFolder runtime_;
};

void TestInputSubDialogs::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    WriteSampleBook(folder_->path());
}

void TestInputSubDialogs::systemByNumberButton()
{
    PutFileBytes(SystemNamesPath(folder_->path()), NamesFile());
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {QStringLiteral("0;0;5;cmd;")});
    d.show();
    TFKEITO_SELECT* select = d.systemSelection();
    QCOMPARE(select->GradBtn[2]->toolTip(), QStringLiteral("name3"));
    int shownNumber = 0;
    QString shownName;
    seam.dialogAnswers.push_back([&](QDialog& dialog) {
        shownNumber = select->selectedNumber;
        shownName = select->selectedName;
        select->GradBtn[2]->click();
        return dialog.result();
    });
    d.user_sel->click();
    QCOMPARE(shownNumber, 6); // system number 5 is button 6
    QCOMPARE(shownName, QStringLiteral("cmd"));
    QCOMPARE(d.systemNumber(), 2);
    QCOMPARE(d.systemName(), QStringLiteral("name3"));
    QCOMPARE(d.Keito->caption(), QStringLiteral("name3"));
}

void TestInputSubDialogs::systemByNameAndCancel()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {QStringLiteral("0;0;5;cmd;")});
    d.show();
    TFKEITO_SELECT* select = d.systemSelection();
    // Names written after the start are read when the dialog is shown.
    PutFileBytes(SystemNamesPath(folder_->path()), NamesFile());
    seam.dialogAnswers.push_back([&](QDialog& dialog) {
        select->Button1->click();
        return dialog.result();
    });
    d.user_sel->click();
    QCOMPARE(d.systemNumber(), 5);
    QCOMPARE(d.systemName(), QStringLiteral("cmd"));
    QCOMPARE(select->StaticText[9]->caption(), QStringLiteral("name10"));

    seam.dialogAnswers.push_back([&](QDialog& dialog) {
        QTest::mouseClick(select->StaticText[9], Qt::LeftButton);
        return dialog.result();
    });
    d.user_sel->click();
    QCOMPARE(d.systemNumber(), 9);
    QCOMPARE(d.systemName(), QStringLiteral("name10"));
    QVERIFY(seam.unexpected.isEmpty());
}

void TestInputSubDialogs::systemRename()
{
    const QString path = SystemNamesPath(folder_->path());
    PutFileBytes(path, NamesFile());
    ScriptedModalSeam seam;
    TFKEITO_SELECT select(folder_->path());
    seam.inputAnswers.push_back(QStringLiteral("新系統"));
    seam.inputAnswers.push_back(std::nullopt);
    QTest::mouseClick(select.StaticText[4], Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(seam.asked.value(0), QStringLiteral("input 系統選択 系統名を入力してください name5"));
    QCOMPARE(select.StaticText[4]->caption(), QStringLiteral("新系統"));
    QCOMPARE(select.GradBtn[4]->toolTip(), QStringLiteral("新系統"));
    QCOMPARE(select.result(), 0); // stays open
    QByteArray expected = NamesFile().replace("name5", "\x90\x56\x8c\x6e\x93\x9d");
    QCOMPARE(FileBytes(path), expected);
    // Cancelled: nothing changes.
    QTest::mouseClick(select.StaticText[0], Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(select.StaticText[0]->caption(), QStringLiteral("name1"));
    QCOMPARE(FileBytes(path), expected);

    // A file that cannot be written keeps the old name.
    QFile::remove(path);
    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("keito_name.conf")));
    seam.inputAnswers.push_back(QStringLiteral("x"));
    QTest::mouseClick(select.StaticText[1], Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(seam.errors.size(), 1);
    QVERIFY(seam.errors[0].contains(QStringLiteral("keito_name.conf")));
    QCOMPARE(select.StaticText[1]->caption(), QStringLiteral("name2"));
}

void TestInputSubDialogs::systemNamesMissing()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {QStringLiteral("0;0;5;cmd;")});
    d.show();
    TFKEITO_SELECT* select = d.systemSelection();
    QVERIFY(select->StaticText[0]->caption().isEmpty());
    seam.dialogAnswers.push_back([&](QDialog& dialog) {
        QTest::mouseClick(select->StaticText[3], Qt::LeftButton);
        return dialog.result();
    });
    d.user_sel->click();
    QCOMPARE(d.systemNumber(), 3);
    QVERIFY(d.systemName().isEmpty());
}

void TestInputSubDialogs::removalSettingsConfirm()
{
    const QString path = RemovalSettingsPath(folder_->path());
    PutFileBytes(path, "[REMOVAL]=0.4\r\n[RECYCLE]=0.6\r\n[KETA]=3\r\n[CUTLEVEL]=2\r\n");
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    bool shownAsSet = false;
    seam.dialogAnswers.push_back([&](QDialog& dialog) {
        auto& plan = static_cast<Tfkanzai_plan&>(dialog);
        shownAsSet = plan.NValEditC1->value() == ParseCurrency(QStringLiteral("0.4"))
            && plan.NValEditC2->value() == ParseCurrency(QStringLiteral("0.6")) && plan.ba[2]->isChecked()
            && plan.aa[1]->isChecked() && !plan.ba[0]->isChecked();
        // Zero and a value of four digits, which the field shows grouped.
        plan.NValEditC1->setValue(Currency());
        plan.NValEditC2->setValue(Currency::fromUnits(1000));
        plan.ba[1]->click();
        plan.aa[2]->click();
        plan.Button1->click();
        return dialog.result();
    });
    QTest::mouseClick(d.Recycle, Qt::LeftButton);
    QVERIFY(shownAsSet);
    QCOMPARE(seam.asked.value(0), QStringLiteral("dialog fkanzai_plan 配管材入力ダイアログ-Telvoran-"));
    QCOMPARE(FileBytes(path), QByteArray("[REMOVAL]=0\r\n[RECYCLE]=1000\r\n[KETA]=2\r\n[CUTLEVEL]=3\r\n"));
    QCOMPARE(d.removal->caption(), QStringLiteral("0"));
    QCOMPARE(d.Recycle->caption(), QStringLiteral("1000"));
    QCOMPARE(d.removalSettings(), ReadRemovalSettings(path));
}

void TestInputSubDialogs::removalSettingsCancel()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    seam.dialogAnswers.push_back([&](QDialog& dialog) {
        auto& plan = static_cast<Tfkanzai_plan&>(dialog);
        plan.NValEditC1->setValue(Currency::fromUnits(5));
        plan.Button2->click();
        return dialog.result();
    });
    QTest::mouseClick(d.removal, Qt::LeftButton);
    QCOMPARE(seam.asked.size(), 1);
    QVERIFY(!QFile::exists(RemovalSettingsPath(folder_->path())));
    QCOMPARE(d.removal->caption(), QStringLiteral("0.3"));
    QCOMPARE(d.removalSettings(), RemovalSettings());
}

void TestInputSubDialogs::removalSettingsCannotBeWritten()
{
    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("kavre_p.adv")));
    ScriptedModalSeam seam;
    RemovalSettings before;
    Tfkanzai_plan plan(folder_->path(), before);
    plan.NValEditC1->setValue(Currency::fromUnits(2));
    plan.Button1->click();
    QCOMPARE(seam.errors.size(), 1);
    QVERIFY(seam.errors[0].contains(QStringLiteral("kavre_p.adv")));
    QCOMPARE(plan.result(), 0); // still open
    QCOMPARE(plan.settings(), before);
}

void TestInputSubDialogs::programsStarted()
{
    // A program folder whose path holds blanks.
    const QString folder = QDir(folder_->path()).filePath(QStringLiteral("Program Files/配管 材"));
    QVERIFY(QDir().mkpath(folder));
    WriteSampleBook(folder);
    FakeProgram(folder, QStringLiteral("kavrel"));
    FakeProgram(folder, QStringLiteral("Zelmora.exe"));
    ScriptedModalSeam seam;
    TFKANZAI d(folder, {});
    d.show();

    // Nothing chosen yet: category 1, material 1 for the main program, -1 for the other.
    d.IconButton6->click();
    QCOMPARE(StartedWith(folder, QStringLiteral("kavrel")), QStringList{QStringLiteral("1;1;")});
    QCOMPARE(d.categoryNumber(), 1);
    d.IconButton4->click();
    QCOMPARE(StartedWith(folder, QStringLiteral("Zelmora.exe")), QStringList{QStringLiteral("1;-1;")});

    d.ib[0]->click();
    ClickMaterial(d, 19);
    d.IconButton6->click();
    QCOMPARE(StartedWith(folder, QStringLiteral("kavrel")), QStringList{QStringLiteral("1;20;")});
    d.IconButton4->click();
    QCOMPARE(StartedWith(folder, QStringLiteral("Zelmora.exe")), QStringList{QStringLiteral("1;19;")});
    QVERIFY(seam.asked.isEmpty());
}

void TestInputSubDialogs::programEditions()
{
    const QString folder = folder_->path();
    QCOMPARE(FindEditionProgram(folder, QStringLiteral("kavrel")), QString());
    FakeProgram(folder, QStringLiteral("net_kavrel"));
    QCOMPARE(FindEditionProgram(folder, QStringLiteral("kavrel")), QDir(folder).filePath(QStringLiteral("net_kavrel")));
    FakeProgram(folder, QStringLiteral("kavrel"));
    QCOMPARE(FindEditionProgram(folder, QStringLiteral("kavrel")), QDir(folder).filePath(QStringLiteral("kavrel")));
    FakeProgram(folder, QStringLiteral("kavrel.exe"));
    QCOMPARE(FindEditionProgram(folder, QStringLiteral("kavrel")), QDir(folder).filePath(QStringLiteral("kavrel.exe")));
    // A file that cannot run is not the program; the name's case counts.
    PutFileBytes(QDir(folder).filePath(QStringLiteral("Zelmora")), "data");
    FakeProgram(folder, QStringLiteral("zelmora"));
    QCOMPARE(FindEditionProgram(folder, QStringLiteral("Zelmora")), QString());

    const ProgramStart start = MainProgramStart(folder, 4, -1);
    QCOMPARE(start.argument, QStringLiteral("4;1;"));
    QCOMPARE(RegistrationProgramStart(folder, 10, 0).argument, QStringLiteral("10;0;"));
}

void TestInputSubDialogs::programMissing()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    d.IconButton6->click();
    d.IconButton4->click();
    QVERIFY(!Start(MainProgramStart(folder_->path(), 1, 0), folder_->path()));
    QVERIFY(seam.asked.isEmpty());
    QVERIFY(d.isVisible());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestInputSubDialogs)
#include "TestInputSubDialogs.moc"
