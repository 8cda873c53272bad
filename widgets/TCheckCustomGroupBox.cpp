#include "TCheckCustomGroupBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>

TCheckCustomGroupBox::TCheckCustomGroupBox(QWidget* parent)
    : QGroupBox(parent)
    , checkBox_(new QCheckBox(this))
{
    // The group's own caption is a mere placeholder that the check box
    // covers; the toolkit's checkable group box would keep children that
    // were disabled on their own disabled, and enable before notifying.
    setTitle(QStringLiteral("-"));
    checkBox_->setObjectName(QStringLiteral("CheckBox"));
    checkBox_->setAutoFillBackground(true);
    checkBox_->setChecked(true);
    connect(checkBox_, &QCheckBox::clicked, this, [this] { checkChanged(); });
    placeCheckBox();
}

void TCheckCustomGroupBox::setBoxAlignment(Qt::Alignment alignment)
{
    boxAlignment_ = (alignment & Qt::AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
    checkBox_->setLayoutDirection(boxAlignment_ == Qt::AlignRight ? Qt::RightToLeft : Qt::LeftToRight);
}

QString TCheckCustomGroupBox::caption() const
{
    return checkBox_->text();
}

void TCheckCustomGroupBox::setCaption(const QString& caption)
{
    // Before the box has a size of its own (a layout sizes it later) there is
    // nothing to measure against.
    const bool sized = testAttribute(Qt::WA_Resized) || isVisible();
    if (sized && QFontMetrics(font()).horizontalAdvance(caption) + 25 >= width())
        return;
    checkBox_->setText(caption);
    placeCheckBox();
}

bool TCheckCustomGroupBox::checked() const
{
    return checkBox_->isChecked();
}

void TCheckCustomGroupBox::setBoxChecked(bool checked)
{
    if (checked == checkBox_->isChecked())
        return;
    {
        const QSignalBlocker block(checkBox_);
        checkBox_->setChecked(checked);
    }
    checkChanged();
}

void TCheckCustomGroupBox::checkChanged()
{
    emit Click();
    const bool on = checkBox_->isChecked();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != checkBox_)
            child->setEnabled(on);
    }
    emit CheckBoxClick();
}

void TCheckCustomGroupBox::placeCheckBox()
{
    // At x = 6, or further left where the style puts the placeholder caption.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const int textWidth = QFontMetrics(checkBox_->font()).horizontalAdvance(checkBox_->text());
    const QSize hint = checkBox_->sizeHint();
    checkBox_->setGeometry(std::min(6, label.left()), 0, std::max(textWidth + 19, hint.width()), hint.height());
    checkBox_->raise();
}

void TCheckCustomGroupBox::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeCheckBox();
}
