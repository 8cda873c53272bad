#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

class TSCGCellFonts;

// A named font that cell parameters refer to by FontName. Qt fonts have no
// colour, so the font's colour is the FontColor property beside it.
class TSCGCellFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(QString Name READ Name WRITE SetName)

public:
    QFont Font() const { return font_; }
    void SetFont(const QFont& value) { font_ = value; }
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& value) { fontColor_ = value; }
    QString Name() const { return name_; }
    // Refuses an empty or already used name; cell parameters that named the
    // font by its old name follow the rename.
    void SetName(const QString& value);

    QString DisplayName() const;
    void Assign(const TSCGCellFont& source);
    TSCGCellFonts* Collection() const { return collection_; }

private:
    friend class TSCGCellFonts;
    explicit TSCGCellFont(TSCGCellFonts* collection);

    TSCGCellFonts* collection_;
    QFont font_;
    QColor fontColor_;
    QString name_;
};
