#pragma once

#include <QColor>
#include <QVector>
#include <QWidget>

// A box filled with a banded gradient from StartColor to EndColor.
class TGradBox : public QWidget {
    Q_OBJECT
public:
    enum TGradDirection { gdHorizontal, gdVertical };
    Q_ENUM(TGradDirection)

private:
    Q_PROPERTY(QColor StartColor READ startColor WRITE setStartColor)
    Q_PROPERTY(QColor EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(int GradStep READ gradStep WRITE setGradStep)
    Q_PROPERTY(TGradDirection Direction READ direction WRITE setDirection)

public:
    explicit TGradBox(QWidget* parent = nullptr);

    QColor startColor() const { return start_; }
    void setStartColor(const QColor& color);
    QColor endColor() const { return end_; }
    void setEndColor(const QColor& color);
    int gradStep() const { return step_; }
    // A byte: values outside 0..255 are clamped.
    void setGradStep(int step);
    TGradDirection direction() const { return direction_; }
    void setDirection(TGradDirection direction);

    struct Band {
        int from;
        int length;
        QColor color;
    };
    // The bands that cover `length` pixels, clipped to the box; a strip left
    // over at the end has the last band's colour.
    static QVector<Band> bands(int length, int gradStep, const QColor& start, const QColor& end);

    QSize sizeHint() const override { return {128, 128}; }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();

    QColor start_;
    QColor end_;
    int step_ = 128;
    TGradDirection direction_ = gdVertical;
};
