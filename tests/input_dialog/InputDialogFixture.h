#pragma once

#include "PriceBook.h"
#include "ScriptedModalSeam.h"
#include "TestFiles.h"

#include <QString>

class TFKANZAI;

// A program folder with a price book for category 1 ("kanzai/haikan1.FDA")
// and no other category's.
namespace fixture {

// The application title the tests give the dialog.
inline QString DialogTitle() { return QStringLiteral("配管材入力ダイアログ"); }

// Materials 0 and 1 are piping materials with four sheets, material 2 is in
// refrigerant mode, material 3 has an empty size name at row 2.
PriceBook SampleBook();
QString WriteSampleBook(const QString& programFolder);

// Answers the next message box with its button and keeps its text.
void AnswerBox(ScriptedModalSeam& seam, QString* text);

// Clicks material m in the list (the dialog must be shown).
void ClickMaterial(TFKANZAI& dialog, int material);

// Types digits and points on the keypad.
void Type(TFKANZAI& dialog, const QString& keys);

// Category 1, the material, the size row and a net quantity of 2.
void ChooseLine(TFKANZAI& dialog, int material, int row);

} // namespace fixture
