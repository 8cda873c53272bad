#pragma once

#include <QFlags>
#include <QObject>

// The value types shared by the grid, its cell parameters and its events.
// They live in a meta-object namespace so that properties of these types
// can be read and written by name; `using enum` below brings the
// enumerators to the global scope, where the forms use them.
namespace Scg {
Q_NAMESPACE

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum TSCGCellCaptionType { ctCaption, ctCellText, ctHeader, ctFooter, ctTop, ctBottom };
Q_ENUM_NS(TSCGCellCaptionType)

// Input-method modes of an edit field; see ApplyImeMode for what each one
// becomes on Qt.
enum TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata,
                imChinese, imSHanguel, imHanguel };
Q_ENUM_NS(TImeMode)

enum TGridOption {
    goFixedVertLine = 0x0001,
    goFixedHorzLine = 0x0002,
    goVertLine = 0x0004,
    goHorzLine = 0x0008,
    goRangeSelect = 0x0010,
    goDrawFocusSelected = 0x0020,
    goColSizing = 0x0040,
    goRowSelect = 0x0080,
    goEditing = 0x0100,
    goTabs = 0x0200,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_FLAG_NS(TGridOptions)

enum TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_FLAG_NS(TGridDrawState)

// A cell rectangle by column and row indices, both ends included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

} // namespace Scg

Q_DECLARE_OPERATORS_FOR_FLAGS(Scg::TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(Scg::TGridDrawState)

using enum Scg::TAlignment;
using enum Scg::TTextLayout;
using enum Scg::TSCGCellCaptionType;
using enum Scg::TImeMode;
using enum Scg::TGridOption;
using enum Scg::TGridDrawStateFlag;
using Scg::TAlignment;
using Scg::TGridDrawState;
using Scg::TGridOptions;
using Scg::TGridRect;
using Scg::TImeMode;
using Scg::TSCGCellCaptionType;
using Scg::TTextLayout;

// The options of a new grid.
inline constexpr TGridOptions DefaultGridOptions{goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine |
                                                 goRangeSelect};
