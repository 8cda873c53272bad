#include "InputDialogFixture.h"

#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "TFKANZAI.h"
#include "TGradBtn.h"
#include "TIconButton.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace fixture {

PriceBook SampleBook()
{
    PriceBook book = BlankPriceBook(BlankRecordBase);
    const char* const names[4] = {"配管用炭素鋼鋼管", "硬質塩化ビニルライニング鋼管", "被覆銅管", "耐火二層管"};
    const char* const sheets[4] = {"屋内一般", "機械室", "地中", "屋外"};
    for (int m = 0; m < 4; ++m) {
        book.row(m, 1).headerText.setText(QString::fromUtf8(names[m]));
        for (int s = 0; s < Sheets; ++s) {
            for (int l = 1; l <= LinesPerSheet; ++l) {
                PriceRow& row = book.row(RowNumber(m, s, l));
                row.sheetName.setText(QString::fromUtf8(sheets[s]));
                if (l == LinesPerSheet)
                    continue;
                if (s == 0 && !(m == 3 && l == 3))
                    row.sizeName.setText(QStringLiteral("%1%2").arg(10 * l + m).arg(m == 1 ? "SU" : "A"));
                row.costPrice = Currency::fromUnits(100 * l + m);
                for (int level = 0; level < SubmissionLevels; ++level) {
                    row.levelPrice[level] = Currency::fromUnits(200 * l + 10 * level + s);
                    row.adoptedLevel[level] = Currency::fromUnits(900 * l + 10 * level + s);
                }
                row.listPrice = Currency::fromUnits(300 * l);
                row.rate[4] = Currency::fromRaw(1000 * l + 100 * s + 10 * m); // pipe fitter
                row.compositeCost = Currency::fromUnits(800 * l + s);
            }
        }
    }
    MaterialSettings{book.row(2, SettingsRowNumber)}.mode() = Currency::fromUnits(2);
    return book;
}

QString WriteSampleBook(const QString& programFolder)
{
    QDir(programFolder).mkpath(QStringLiteral("kanzai"));
    const QString path = QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("kanzai/haikan1.FDA")));
    WritePriceBookFile(path, SampleBook(), 0);
    return path;
}

void AnswerBox(ScriptedModalSeam& seam, QString* text)
{
    seam.dialogAnswers.push_back([=](QDialog& d) {
        *text = d.findChild<QLabel*>(QStringLiteral("text"))->text();
        d.findChild<QPushButton*>(QStringLiteral("button1"))->click();
        return d.result();
    });
}

void ClickMaterial(TFKANZAI& dialog, int material)
{
    QListWidget* list = dialog.ListBox1;
    list->scrollToItem(list->item(material));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(material)).center());
}

void Type(TFKANZAI& dialog, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == QLatin1Char('.'))
            dialog.point_bt->click();
        else
            dialog.digit_bt[key.digitValue()]->click();
    }
}

void ChooseLine(TFKANZAI& dialog, int material, int row)
{
    dialog.ib[0]->click();
    ClickMaterial(dialog, material);
    dialog.size_bt[row]->click();
    Type(dialog, QStringLiteral("2"));
    dialog.net_bt->click();
}

} // namespace fixture
