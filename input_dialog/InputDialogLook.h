#pragma once

#include "TBorRadio.h"

#include <QString>
#include <QStringList>
#include <array>

class QWidget;
class TGradPan;

// "配管材入力ダイアログ-Telvoran-": the dialog's caption before a book is
// chosen, and that of the removal settings.
QString DesignCaption();

// What the sheet and size buttons offer until a material names its own, and
// the construction types; the fifteenth size has no name.
std::array<QString, 4> DesignSheetNames();
std::array<QString, 15> DesignSizeNames();
std::array<QString, 6> ConstructionTypes();

// The captions of the removal rate's decimals 1..3 and rounding modes 1..3.
QStringList RemovalDecimalsCaptions();
QStringList RemovalRoundingCaptions();

// The index of the checked radio of a group, or `none`.
template <std::size_t N>
int CheckedIndex(const std::array<TBorRadio*, N>& radios, int none)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (radios[i]->isChecked())
            return static_cast<int>(i);
    }
    return none;
}

// The gradient strip along the top of the input dialog's windows, with a
// caption box on the left and one on the right.
TGradPan* InputTitleStrip(QWidget* parent, const QString& left, const QString& right);

// The larger type of the input dialog's windows, read at arm's length on a
// touch screen. Windows do not pass their font on to their dialogs.
void UseTouchFont(QWidget* window);
