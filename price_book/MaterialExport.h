#pragma once

#include "WorkSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// Where an export of the material goes. The print mode builds the rows of the
// print data file: other separator, four leading fields, money in yen form.
enum class ExportMode { File, Clipboard, Print };

// The choices of the level selection dialog.
struct ExportChoices {
    int level = Level1;           // 1..5 LEVEL1..LEVEL5, 6 (CostLevel) the cost level
    bool headings = false;        // 見出しを出力
    bool computedResults = false; // 計算結果を出力
};

// What the window shows of the material besides its rows: the sheet tab texts
// and the goods name, usage and joint method of the status bar.
struct ExportView {
    QStringList sheetNames;
    std::array<QString, 3> headerTexts;
};

// The view of the material in the work set as the window shows it.
ExportView ShownExportView(const WorkSet& work);

// The export of the 14 price lines of every shown sheet. Lines end with
// CR LF except the last row; the file and the print data add one at the end.
QString ExportMaterialText(const WorkSet& work, const ExportView& view, ExportMode mode,
                           const ExportChoices& choices);

// The bytes of a CSV or print data file of the text: Shift-JIS, final CR LF.
QByteArray ExportFileBytes(const QString& text);
