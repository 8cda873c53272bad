// Painting of the column grid: canvas preparation, focus colours, caption
// text, divided cells, focus dots and the 3D frame of fixed cells.
#include "TStrColGrid.h"

#include "ColorNumber.h"
#include "TSCGCellParam.h"

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

namespace {

// Cell text lines split at CR, LF or CR LF into `lines`; a final break ends
// the last line without starting another, and an empty text is one empty
// line. Most cells hold one line, which needs no new strings.
void splitLines(const QString& text, QStringList& lines)
{
    lines.clear();
    if (!text.contains(QChar('\r')) && !text.contains(QChar('\n'))) {
        lines.append(text);
        return;
    }
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QChar('\r') || c == QChar('\n')) {
            lines.append(line);
            line.clear();
            if (c == QChar('\r') && i + 1 < text.size() && text.at(i + 1) == QChar('\n'))
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
}

std::uint32_t colorNumber(QRgb rgb)
{
    return static_cast<std::uint32_t>(qBlue(rgb)) << 16 | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
           static_cast<std::uint32_t>(qRed(rgb));
}

void restoreCanvas(TSCGCanvas& canvas, const TSCGCanvasState& saved)
{
    static_cast<TSCGCanvasState&>(canvas) = saved;
}

} // namespace

void TStrColGrid::PrepareCellCanvas(int ACol, int ARow, bool Highlight, TSCGCellParam* Param, TGridDrawState State)
{
    TSCGCanvas& canvas = Canvas();
    QPainter& painter = *canvas.Painter;
    const QRect rect = CellRect(ACol, ARow);
    const bool fixed = State & gdFixed;
    canvas.Font = fontFor(Param, &canvas.FontColor);
    QColor fill;
    if (!Param) {
        fill = fixed ? FixedColor() : Color();
        if (!fixed)
            canvas.FontColor = FontColor();
    } else {
        fill = Param->CellColorEnabled() ? Param->CellColor() : (fixed ? FixedColor() : Color());
        if (Param->FontColorEnabled())
            canvas.FontColor = Param->FontColor();
    }
    // Highlight is for derived grids that paint a cell in the focus colours
    // themselves; the grid applies them after the display text is known.
    if (Highlight) {
        fill = FocusCellColor();
        if (FocusCellFontColorEnabled())
            canvas.FontColor = FocusCellFontColor();
    }
    painter.fillRect(rect, fill);
    QColor brushColor = fill;
    if (Param && Param->BrushEnabled()) {
        painter.fillRect(rect, Param->Brush());
        brushColor = Param->Brush().color();
    }
    canvas.Brush = QBrush(brushColor, Qt::NoBrush);
    canvas.Pen = QPen(brushColor, 1, Qt::SolidLine);
}

bool TStrColGrid::IsFocusHighlight(TSCGCellParam* param, TGridDrawState state) const
{
    const TGridOptions options = param && param->OptionsEnabled() ? param->Options() : GridOptions();
    return (Focused() || focusDraw_) && (state & gdSelected) &&
           (!(state & gdFocused) || (options & (goDrawFocusSelected | goRowSelect)));
}

void TStrColGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state)
{
    if (DefaultDrawing()) {
        TBaseStrGrid::DrawCell(col, row, rect, state);
        return;
    }
    TSCGCanvas& canvas = Canvas();
    QPainter& painter = *canvas.Painter;
    TSCGCellParam* param = FindCellParam(col, row, false);
    const TGridOptions options = param && param->OptionsEnabled() ? param->Options() : options_;

    PrepareCellCanvas(col, row, false, param, state);
    const bool highlight = IsFocusHighlight(param, state);
    if (highlight) {
        canvas.Brush = QBrush(focusCellColor_, Qt::SolidPattern);
        if (focusCellFontColorEnabled_)
            canvas.FontColor = focusCellFontColor_;
        else if (param && param->FontColorEnabled())
            canvas.FontColor = param->FontColor();
    }
    saved_ = canvas;

    int overstrike = 1;
    TAlignment alignment;
    TTextLayout layout;
    QString text;
    bool reset = true;
    if (param) {
        overstrike = param->FontWidth();
        alignment = param->Alignment();
        layout = param->Layout();
        text = CombineCaption(param->CaptionType(), param->Caption(), Cells(col, row));
        if (param->OnOutCellText)
            param->OnOutCellText(param, this, rect, col, row, param->Caption(), text, reset);
    } else {
        const bool fixed = state & gdFixed;
        alignment = fixed ? fixedAlignment_ : alignment_;
        layout = fixed ? fixedLayout_ : layout_;
        text = Cells(col, row);
        if (OnOutCellText)
            OnOutCellText(this, this, rect, col, row, windowTitle(), text, reset);
    }
    if (reset)
        restoreCanvas(canvas, saved_);
    else
        saved_ = canvas;

    if (highlight)
        painter.fillRect(rect, canvas.Brush);

    if (!cellDivide_) {
        // Undivided text wraps inside the cell, aligned as a divided cell would be.
        int flags = Qt::TextWordWrap;
        flags |= alignment == taRightJustify ? Qt::AlignRight : alignment == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
        flags |= layout == tlBottom ? Qt::AlignBottom : layout == tlCenter ? Qt::AlignVCenter : Qt::AlignTop;
        // Qt breaks lines at LF only; CR and CR LF break them alike here.
        QString wrapped = text;
        wrapped.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
        painter.setFont(canvas.Font);
        painter.setPen(canvas.FontColor);
        for (int k = 0; k < overstrike; ++k)
            painter.drawText(rect.adjusted(2 + k, 2, -2 + k, -2), flags, wrapped);
    } else {
        drawLines(col, row, rect, state, param, options, text, overstrike, alignment, layout);
    }

    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
    if (param && param->OnDrawCell)
        param->OnDrawCell(param, this, col, row, rect, state);

    drawFocusMarks(col, row, rect, state, param, options);
    if ((state & gdFixed) && Ctl3D())
        draw3DFrame(rect);
}

void TStrColGrid::drawLines(int col, int row, const QRect& rect, TGridDrawState state, TSCGCellParam* param,
                            TGridOptions options, const QString& text, int overstrike, TAlignment alignment,
                            TTextLayout layout)
{
    TSCGCanvas& canvas = Canvas();
    QPainter& painter = *canvas.Painter;
    const bool fixed = state & gdFixed;
    splitLines(text, lines_);
    const int bandCount = static_cast<int>(lines_.size());
    for (int i = 0; i < bandCount; ++i) {
        const QRect band = BandRect(rect, bandCount, i);
        QString line = lines_[i];
        TAlignment lineAlignment = alignment;
        TTextLayout lineLayout = layout;
        bool innerHorzLine = bool(options & goHorzLine);
        if (OnDrawTextOneLine) {
            restoreCanvas(canvas, saved_);
            OnDrawTextOneLine(this, this, band, col, row, i, state, line, lineAlignment, lineLayout, innerHorzLine);
        }
        if (param && param->OnDrawTextOneLine) {
            restoreCanvas(canvas, saved_);
            param->OnDrawTextOneLine(param, this, band, col, row, i, state, line, lineAlignment, lineLayout,
                                     innerHorzLine);
        }

        const int textWidth = line.isEmpty() ? 0 : texts_.width(canvas.Font, line);
        const int textHeight = texts_.height(canvas.Font);
        const int bandBottom = band.top() + band.height();
        int x = rect.left() + 2;
        if (lineAlignment == taRightJustify)
            x = rect.left() + rect.width() - textWidth - 2;
        else if (lineAlignment == taCenter)
            x = rect.left() + (rect.width() - textWidth) / 2;
        int y = band.top() + 2;
        if (lineLayout == tlCenter)
            y = band.top() + (band.height() - textHeight) / 2 + 1;
        else if (lineLayout == tlBottom)
            y = bandBottom - textHeight - 1;

        if (overstrike > 0 && !line.isEmpty()) {
            // One band is the cell, to which the painter is clipped already.
            const bool clipped = bandCount > 1;
            if (clipped) {
                painter.save();
                painter.setClipRect(band, Qt::IntersectClip);
            }
            for (int k = 0; k < overstrike; ++k)
                texts_.draw(painter, canvas.Font, canvas.FontColor, x + k, y + texts_.ascent(canvas.Font), line);
            if (clipped)
                painter.restore();
        }
        if (innerHorzLine) {
            if (i > 0) {
                const QColor upper = (!fixed || !Ctl3D()) ? QColor(0xC0, 0xC0, 0xC0) : SystemColor(20);
                painter.fillRect(band.left(), band.top(), band.width(), 1, upper);
            }
            if (fixed && i < bandCount - 1)
                painter.fillRect(band.left(), bandBottom - 1, band.width(), 1, SystemColor(16));
        }
    }
}

void TStrColGrid::drawFocusMarks(int col, int row, const QRect& rect, TGridDrawState state, TSCGCellParam* param,
                                 TGridOptions options)
{
    if (!Focused() || (state & gdFixed))
        return;
    if (!(options & goRowSelect)) {
        if (state & gdFocused)
            DrawFocusDots(rect, true, true, true, true);
        return;
    }
    if (row != Row())
        return;
    const bool own = param && param->OptionsEnabled();
    const int first = own ? param->Col() : FixedCols();
    const int last = own ? param->ColMax() : ColCount() - 1;
    DrawFocusDots(rect, true, true, col == first, col == last);
}

void TStrColGrid::DrawFocusDots(const QRect& rect, bool top, bool bottom, bool left, bool right)
{
    TSCGCanvas& canvas = Canvas();
    if (!canvas.Painter || !canvas.Image)
        return;
    QPainter& painter = *canvas.Painter;
    const QImage& image = *canvas.Image;
    const qreal dpr = image.devicePixelRatio();
    auto dot = [&](int x, int y) {
        const QPoint device(qRound(x * dpr), qRound(y * dpr));
        if (!image.rect().contains(device))
            return;
        const QRgb pixel = image.pixel(device);
        const QRgb inverse = pixel ^ 0x00FFFFFFu;
        const int difference = std::abs(qRed(pixel) - qRed(inverse)) + std::abs(qGreen(pixel) - qGreen(inverse)) +
                               std::abs(qBlue(pixel) - qBlue(inverse));
        QColor color = QColor::fromRgb(inverse);
        if (difference < 24)
            color = colorNumber(pixel) < 0xC0C0C1u ? QColor(Qt::white) : QColor(Qt::black);
        painter.fillRect(QRect(x, y, 1, 1), color);
    };
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    for (int x = l; x < r; x += 2) {
        if (top)
            dot(x, t);
        if (bottom)
            dot(x, b - 1);
    }
    const int count = (b - t - 2) / 2;
    for (int k = 1; k <= count; ++k) {
        if (left)
            dot(l, t + 2 * k);
        if (right)
            dot(r - 1, t + 2 * k);
    }
}

void TStrColGrid::draw3DFrame(const QRect& rect)
{
    QPainter& painter = *Canvas().Painter;
    const QColor light = SystemColor(20);
    const QColor shadow(0x80, 0x80, 0x80);
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, light);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), light);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, shadow);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), shadow);
}
