#pragma once

#include "WorkSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

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

// One field of an exported price line, typed so that a spreadsheet keeps
// numbers as numbers: a text, an amount of money, a rate, or nothing (the
// chipping component, which refrigerant materials lack).
struct ExportField {
    enum class Kind { Text, Money, Rate, Empty };
    Kind kind = Kind::Empty;
    QString text;   // of a Text field
    Currency value; // of a Money or Rate field
};

// One shown sheet of the export: its tab's name and its 14 price lines.
struct ExportSheet {
    QString name;
    std::vector<std::vector<ExportField>> lines;
};

// The export before it becomes text: the heading row (empty when it is not
// asked for; the print data has none) and the sheets in tab order. Print
// lines lead with the goods name, usage, joint method and sheet name.
struct ExportTable {
    QStringList headings;
    std::vector<ExportSheet> sheets;
};
ExportTable ExportMaterialTable(const WorkSet& work, const ExportView& view, ExportMode mode,
                                const ExportChoices& choices);

// The export of the 14 price lines of every shown sheet. Lines end with
// CR LF except the last row; the file and the print data add one at the end.
QString ExportMaterialText(const WorkSet& work, const ExportView& view, ExportMode mode,
                           const ExportChoices& choices);

// The bytes of a CSV or print data file of the text: Shift-JIS, final CR LF.
QByteArray ExportFileBytes(const QString& text);
