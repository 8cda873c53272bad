#include "FileError.h"
#include "MaterialExport.h"
#include "MaterialSettings.h"
#include "PrintJob.h"
#include "PrintJobReader.h"
#include "PrintLayout.h"
#include "PrintPreview.h"
#include "RecentFolders.h"
#include "ScopedEnvironment.h"
#include "TestUnits.h"
#include "ToolTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

WorkSet jobWork(bool refrigerant)
{
    WorkSet work;
    const char* const sheets[] = {"屋内一般", "機械室", "地中", "屋外"};
    for (int s = 0; s < Sheets; ++s) {
        work.row(MaterialRowNumber(s, LinesPerSheet)).sheetName.setText(QString::fromUtf8(sheets[s]));
        WorkRow& row = work.row(MaterialRowNumber(s, 1));
        row.sizeName.setText(QStringLiteral("15A"));
        row.compositeLevel[0] = units(-1234.5);
    }
    work.row(1).headerText.setText(QString::fromUtf8("配管用炭素鋼鋼管;白"));
    MaterialSettings{work.settingsRow()}.mode() = units(refrigerant ? 2 : 0);
    work.labourRow().compositeLevel[0] = units(24500);
    return work;
}

// The job as the main program writes it.
void writeJob(const QString& folder, bool refrigerant)
{
    const WorkSet work = jobWork(refrigerant);
    const QString data = ExportMaterialText(work, ShownExportView(work), ExportMode::Print, ExportChoices{1});
    PrintJob::Write(folder, data, PrintJob::ConfLines(QString::fromUtf8("Zavrikon（管材編）"), folder, refrigerant),
                    PrintJob::HeaderLines(work, 1, QDate(2019, 5, 1)));
}

// The print program reads the job from its own folder, so each test runs a
// copy of it in a folder of its own.
Run runPrintProgram(const QString& folder, const QStringList& args)
{
    const QString copy = QDir(folder).filePath("Dorvisk");
    if (!QFile::exists(copy))
        QFile::copy(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/Dorvisk", copy);
    QProcess p;
    p.start(copy, args);
    return finish(p);
}

// Each page object of the writer's PDF has its own "/Type /Page" line.
int pdfPages(const QByteArray& pdf) { return static_cast<int>(pdf.count("/Type /Page\n")); }

} // namespace

class TestDorvisk : public QObject {
    Q_OBJECT
private slots:
    void readsTheJobOfTheMainProgram_data();
    void readsTheJobOfTheMainProgram();
    void aDamagedJobIsNamed_data();
    void aDamagedJobIsNamed();
    void writesOnePdfPagePerTwoSheets_data();
    void writesOnePdfPagePerTwoSheets();
    void failuresEndWithAMessage();
    void pdfGoesWhereTheLastWent();
};

void TestDorvisk::readsTheJobOfTheMainProgram_data()
{
    QTest::addColumn<bool>("refrigerant");
    QTest::addColumn<int>("sheets");
    QTest::newRow("piping") << false << 4;
    QTest::newRow("refrigerant") << true << 1;
}

void TestDorvisk::readsTheJobOfTheMainProgram()
{
    QFETCH(bool, refrigerant);
    QFETCH(int, sheets);
    QTemporaryDir folder;
    writeJob(folder.path(), refrigerant);
    const PrintJobContent job = ReadPrintJob(folder.path());
    QCOMPARE(job.applicationTitle, QString::fromUtf8("Zavrikon（管材編）"));
    QCOMPARE(job.dataTitle, QString::fromUtf8("複合単価印刷"));
    QCOMPARE(job.refrigerant, refrigerant);
    QCOMPARE(job.headerValue(1), QString::fromUtf8("令和01"));
    QCOMPARE(job.headerValue(8), QStringLiteral("24500(Level1)"));
    QCOMPARE(job.sheets.size(), sheets);
    QCOMPARE(PageCount(job), (sheets + 1) / 2);
    const PrintSheet& last = job.sheets.last();
    QCOMPARE(last.rows.size(), 14);
    QCOMPARE(last.goodsName(), QString::fromUtf8("配管用炭素鋼鋼管；白"));
    QCOMPARE(last.sheetName(), QString::fromUtf8(refrigerant ? "一般" : "屋外"));
    QCOMPARE(last.rows.first()[4], QStringLiteral("15A"));
    QCOMPARE(last.rows.first()[22], QStringLiteral("-1,235"));
}

void TestDorvisk::aDamagedJobIsNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents"); // empty: the file is missing
    QTest::addColumn<QString>("reason");
    QTest::newRow("no job description") << "Print.conf" << QByteArray() << QString::fromUtf8("ありません");
    QTest::newRow("no header") << "print_header.dat" << QByteArray() << QString::fromUtf8("ありません");
    QTest::newRow("no data") << "print_Data.dat" << QByteArray() << QString::fromUtf8("ありません");
    QTest::newRow("no version") << "Print.conf" << QByteArray("[File_Mask]=kvk\r\n") << "[Version]";
    QTest::newRow("unknown mask") << "Print.conf" << QByteArray("[Version]=2.00\r\n[File_Mask]=xyz\r\n") << "xyz";
    QTest::newRow("a field short") << "print_Data.dat" << QByteArray(22 * 2, ';').replace(";;", "0;") + "\r\n"
                                   << QString::fromUtf8("1 行目の項目が 22 個");
    QTest::newRow("no ';' after the last field")
        << "print_Data.dat" << QByteArray(23 * 2, ';').replace(";;", "0;").chopped(1) + "\r\n"
        << QString::fromUtf8("1 行目");
    QTest::newRow("no rows") << "print_Data.dat" << QByteArray("\r\n") << QString::fromUtf8("行がありません");
}

void TestDorvisk::aDamagedJobIsNamed()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    writeJob(folder.path(), false);
    const QString path = folder.filePath(file);
    if (contents.isEmpty())
        QVERIFY(QFile::remove(path));
    else
        PutFileBytes(path, contents);
    try {
        ReadPrintJob(folder.path());
        QFAIL("a damaged job was read");
    } catch (const FileError& e) {
        QCOMPARE(e.file(), path);
        QVERIFY2(e.reason().contains(reason), qPrintable(e.reason()));
    }
}

void TestDorvisk::writesOnePdfPagePerTwoSheets_data()
{
    QTest::addColumn<bool>("refrigerant");
    QTest::addColumn<int>("pages");
    QTest::newRow("four sheets") << false << 2;
    QTest::newRow("one sheet") << true << 1;
}

void TestDorvisk::writesOnePdfPagePerTwoSheets()
{
    QFETCH(bool, refrigerant);
    QFETCH(int, pages);
    QTemporaryDir folder;
    writeJob(folder.path(), refrigerant);
    const QString pdf = folder.filePath("job.pdf");
    const Run r = runPrintProgram(folder.path(), {"--pdf", pdf});
    QCOMPARE(r.status, 0);
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(pdfPages(bytes), pages);
}

void TestDorvisk::failuresEndWithAMessage()
{
    QTemporaryDir folder;
    const Run missing = runPrintProgram(folder.path(), {"--pdf", folder.filePath("job.pdf")});
    QCOMPARE(missing.status, 1);
    QVERIFY2(missing.err.contains("Print.conf"), qPrintable(missing.err));
    QVERIFY(!QFile::exists(folder.filePath("job.pdf")));

    writeJob(folder.path(), false);
    QVERIFY(QDir(folder.path()).mkdir("taken.pdf"));
    const Run unwritable = runPrintProgram(folder.path(), {"--pdf", folder.filePath("taken.pdf")});
    QCOMPARE(unwritable.status, 1);
    QVERIFY2(unwritable.err.contains("taken.pdf"), qPrintable(unwritable.err));
}

// The print dialog of the preview proposes its PDF in the folder last used
// for PDFs, the documents folder the first time; the folder of a PDF written
// is the next one's.
void TestDorvisk::pdfGoesWhereTheLastWent()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("Documents") && QDir(home.path()).mkpath("plans"));
    ScopedEnvironment environment;
    environment.set("HOME", home.path());
    const QString oldFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(oldFolder); });
    writeJob(home.path(), false);
    const PrintJobContent job = ReadPrintJob(home.path());
    RecentFolders folders(RecentFoldersFile(home.path()));

    QString proposed;
    const auto printToFile = [&](const QString& name) {
        QTimer::singleShot(0, [&, name] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            QTimer::singleShot(0, [&, name, preview] {
                QWidget* print = QApplication::activeModalWidget();
                QVERIFY(print && print != preview);
                auto* file = print->findChild<QLineEdit*>("filename");
                QVERIFY(file);
                proposed = QFileInfo(file->text()).absolutePath();
                for (auto* printers : print->findChildren<QComboBox*>("printers"))
                    printers->setCurrentIndex(printers->count() - 1); // the PDF file, after any printer
                file->setText(name);
                QMetaObject::invokeMethod(print, "accept", Qt::QueuedConnection);
                QTimer::singleShot(50, preview, &QDialog::reject);
            });
            for (QAction* action : preview->findChildren<QAction*>()) {
                if (action->iconText() == "Print") // the test loads no translation
                    return action->trigger();
            }
        });
        PreviewPrintJob(job, folders);
    };
    printToFile(home.filePath("plans/a.pdf"));
    QCOMPARE(proposed, home.filePath("Documents"));
    QVERIFY(QFile::exists(home.filePath("plans/a.pdf")));
    printToFile(home.filePath("plans/b.pdf"));
    QCOMPARE(proposed, home.filePath("plans"));
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestDorvisk)
#include "TestDorvisk.moc"
