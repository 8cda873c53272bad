#pragma once

#include <QIcon>
#include <QString>

// The programs' own modal message boxes. Their results follow the platform's
// message box codes, which the callers test for.
namespace MessageBoxResult {
constexpr int First = 6;  // first button
constexpr int Second = 7; // second button
constexpr int Closed = 2; // close box, or closed any other way
} // namespace MessageBoxResult

enum class ButtonPointer { PointingHand, Arrow };

// The caption of a notice's one button.
inline QString ConfirmCaption() { return QStringLiteral("確認"); }

// A notice with one button; Escape does nothing.
int InfoBox(const QString& text, const QString& buttonCaption,
            ButtonPointer pointer = ButtonPointer::PointingHand);

// A confirmation with two buttons; Escape answers with the second one.
int ChoiceBox(const QString& text, const QString& caption1, const QString& caption2);

// The icon of the boxes: "dialog.ico" of `programFolder`, or the standard
// information icon when that file is missing or unreadable.
QIcon MessageBoxIcon(const QString& programFolder);
