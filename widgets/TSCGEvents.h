#pragma once

#include "TSCGTypes.h"

#include <QChar>
#include <QRect>
#include <QString>
#include <functional>

class QObject;
class TStrColGrid;

// The grid's events are plain callables, so that a handler can change its
// in/out arguments and can refuse a cell move by throwing.
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TSelectCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QRect& ARect, TGridDrawState AState)>;
// Key is a Qt::Key code; setting it to 0 swallows the key. Shift holds the
// modifiers, Qt::KeypadModifier included, so keypad digits can be told apart.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
// Setting Key to a null character swallows the character.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;
using TSetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>;

using TSCGCellChangedEvent = std::function<void(QObject* Sender, int AOldCol, int AOldRow, int ANewCol, int ANewRow)>;
using TSCGColChangedEvent = std::function<void(QObject* Sender, int AOldCol, int ANewCol)>;
using TSCGRowChangedEvent = std::function<void(QObject* Sender, int AOldRow, int ANewRow)>;

using TSCGParamsCellChangedEvent =
    std::function<void(QObject* Sender, TStrColGrid* AGrid, int AOldCol, int AOldRow, int ANewCol, int ANewRow)>;
using TSCGParamsColChangedEvent = std::function<void(QObject* Sender, TStrColGrid* AGrid, int AOldCol, int ANewCol)>;
using TSCGParamsRowChangedEvent = std::function<void(QObject* Sender, TStrColGrid* AGrid, int AOldRow, int ANewRow)>;

using TSCGOutCellTextEvent =
    std::function<void(QObject* Sender, TStrColGrid* AGrid, const QRect& ARect, int ACol, int ARow,
                       const QString& ACaption, QString& AValue, bool& ADoCanvasReset)>;
using TSCGDrawTextOneLineEvent =
    std::function<void(QObject* Sender, TStrColGrid* AGrid, const QRect& ARect, int ACol, int ARow, int AIndex,
                       TGridDrawState AState, QString& AText, TAlignment& AAlignment, TTextLayout& ALayout,
                       bool& AInnerHorzLine)>;
using TSCGDrawCellEvent =
    std::function<void(QObject* Sender, TStrColGrid* AGrid, int Col, int Row, const QRect& Rect, TGridDrawState State)>;
