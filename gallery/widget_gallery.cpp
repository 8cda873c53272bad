// Shows every numeric edit and decorative widget in its main states, for a
// look or, with --screenshot FILE, as a PNG rendered offscreen.
#include "ColorNumber.h"
#include "TBorRadio.h"
#include "TBoxCaption.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TGradBox.h"
#include "TGradBtn.h"
#include "TGradPan.h"
#include "TIconButton.h"
#include "TNValEdit.h"
#include "TNValEditC.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEnterEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QWidget* row(QVBoxLayout* page, const QString& title)
{
    auto* label = new QLabel(title);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    page->addWidget(label);
    auto* holder = new QWidget;
    page->addWidget(holder);
    return holder;
}

QWidget* tagged(QWidget* widget, const QString& tag)
{
    auto* cell = new QWidget;
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(widget, 0, Qt::AlignLeft);
    auto* label = new QLabel(tag);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    label->setFont(small);
    layout->addWidget(label);
    return cell;
}

void addNumericEdits(QVBoxLayout* page)
{
    auto* layout = new QHBoxLayout(row(page, QString::fromUtf8("TNValEdit / TNValEditC（数値入力）")));
    auto edit = [&](const QString& tag, auto setup) {
        auto* e = new TNValEdit;
        e->setFixedWidth(130);
        setup(e);
        layout->addWidget(tagged(e, tag));
    };
    edit(QStringLiteral("1234567"), [](TNValEdit* e) { e->setValue(1234567); });
    edit(QStringLiteral("-1234.5, MinusColor"), [](TNValEdit* e) {
        e->setMinusColor(ColorFromNumber(0x0000FF));
        e->setValue(-1234.5);
    });
    edit(QStringLiteral("FixDecimal 2"), [](TNValEdit* e) {
        e->setFixDecimal(2);
        e->setValue(1);
    });
    edit(QStringLiteral("ZeroDisplay"), [](TNValEdit* e) { e->setZeroDisplay(true); });
    edit(QStringLiteral("0, empty"), [](TNValEdit*) {});
    edit(QString::fromUtf8("LeadingChar ¥"), [](TNValEdit* e) {
        e->setLeadingChar(QChar(0x00A5));
        e->setValue(2500);
    });
    edit(QStringLiteral("12e9, MaxDigits 9"), [](TNValEdit* e) { e->setValue(12e9); });
    edit(QStringLiteral("ReadOnly"), [](TNValEdit* e) {
        e->setValue(42);
        e->setReadOnly(true);
    });
    auto* c = new TNValEditC;
    c->setFixedWidth(130);
    c->setValue(Currency::fromRaw(123456));
    layout->addWidget(tagged(c, QStringLiteral("TNValEditC 12.3456")));
    layout->addStretch();
}

void addGradientPanels(QVBoxLayout* page)
{
    auto* layout = new QGridLayout(row(page, QString::fromUtf8("TGradPan（グラデーションパネル）")));
    struct Sample {
        TGradPan::TBackGroundEffect effect;
        TGradPan::TTextEffect text;
        const char* caption;
        const char* tag;
    };
    const Sample samples[] = {
        {TGradPan::bdUp, TGradPan::teShadow, "単価登録", "bdUp teShadow"},
        {TGradPan::bdDown, TGradPan::teRaised, "配管材入力", "bdDown teRaised"},
        {TGradPan::bdLeft, TGradPan::teLowered, "材料単価", "bdLeft teLowered"},
        {TGradPan::bdRight, TGradPan::teEmbossed, "複合単価", "bdRight teEmbossed"},
        {TGradPan::bdHorzIn, TGradPan::teShadow, "歩掛り表", "bdHorzIn"},
        {TGradPan::bdHorzOut, TGradPan::tenone, "採用単価", "bdHorzOut tenone"},
        {TGradPan::bdVertIn, TGradPan::teShadow, "給水設備", "bdVertIn (new)"},
        {TGradPan::bdVertOut, TGradPan::teShadow, "排水設備", "bdVertOut"},
        {TGradPan::bdFlat, TGradPan::teShadow, "通気設備", "bdFlat"},
        {TGradPan::bdTileImage, TGradPan::teShadow, "消火設備", "bdTileImage"},
    };
    int i = 0;
    for (const Sample& s : samples) {
        auto* pan = new TGradPan;
        pan->setFixedSize(150, 36);
        pan->setBackGroundEffect(s.effect);
        pan->setTextEffect(s.text);
        pan->setCaption(QString::fromUtf8(s.caption));
        if (s.effect == TGradPan::bdLeft || s.effect == TGradPan::bdRight) {
            pan->setColorStart(ColorFromNumber(0x800000));
            pan->setColorEnd(ColorFromNumber(0xFFC080));
        }
        QFont f = pan->font();
        f.setPointSizeF(f.pointSizeF() * 1.3);
        f.setBold(true);
        pan->setFont(f);
        layout->addWidget(tagged(pan, QString::fromLatin1(s.tag)), i / 5, i % 5);
        ++i;
    }
    auto* up = new TGradPan;
    up->setFixedSize(36, 110);
    up->setBackGroundEffect(TGradPan::bdUp);
    up->setTextRotation(TGradPan::TrUp);
    up->setCaption(QString::fromUtf8("縦書き上"));
    up->setBevelInner(Bevel::bvLowered);
    layout->addWidget(tagged(up, QStringLiteral("TrUp")), 0, 5, 2, 1);
    auto* down = new TGradPan;
    down->setFixedSize(36, 110);
    down->setBackGroundEffect(TGradPan::bdDown);
    down->setTextRotation(TGradPan::TrDown);
    down->setCaption(QString::fromUtf8("縦書き下"));
    down->setAlignment(Qt::AlignLeft);
    layout->addWidget(tagged(down, QStringLiteral("TrDown")), 0, 6, 2, 1);
    layout->setColumnStretch(7, 1);
}

void addBoxesAndButtons(QVBoxLayout* page)
{
    auto* layout = new QHBoxLayout(row(page, QString::fromUtf8("TGradBox / TIconButton / TGradBtn")));
    auto* box = new TGradBox;
    box->setFixedSize(60, 60);
    layout->addWidget(tagged(box, QStringLiteral("vertical 128")));
    auto* box2 = new TGradBox;
    box2->setFixedSize(60, 60);
    box2->setDirection(TGradBox::gdHorizontal);
    box2->setGradStep(5);
    box2->setStartColor(ColorFromNumber(0x0000FF));
    box2->setEndColor(ColorFromNumber(0xFF0000));
    layout->addWidget(tagged(box2, QStringLiteral("horizontal 5")));
    auto* box3 = new TGradBox;
    box3->setFixedSize(60, 60);
    box3->setGradStep(0);
    layout->addWidget(tagged(box3, QStringLiteral("step 0")));

    const QIcon icon = qApp->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const std::pair<TIconButton::TButtonStyle, const char*> styles[] = {
        {TIconButton::bsNone, "bsNone"}, {TIconButton::bsLowered, "bsLowered"}, {TIconButton::bsRaised, "bsRaised"},
        {TIconButton::bsFrame, "bsFrame"}, {TIconButton::bsGroove, "bsGroove"}, {TIconButton::bsIELike, "bsIELike"},
    };
    for (const auto& [style, tag] : styles) {
        auto* b = new TIconButton;
        b->setFixedSize(36, 36);
        b->setButtonIcon(icon);
        b->setButtonStyle(style);
        layout->addWidget(tagged(b, QString::fromLatin1(tag)));
    }
    auto* hover = new TIconButton;
    hover->setFixedSize(36, 36);
    hover->setButtonIcon(icon);
    hover->setButtonStyle(TIconButton::bsIELike);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(hover, &enter);
    layout->addWidget(tagged(hover, QStringLiteral("pointer in")));

    const std::pair<TGradBtn::TGradientStyle, const char*> grads[] = {
        {TGradBtn::gsHorizontal, "gsHorizontal"}, {TGradBtn::gsVertical, "gsVertical"}, {TGradBtn::gsElliptic, "gsElliptic"},
        {TGradBtn::gsRectangle, "gsRectangle"}, {TGradBtn::gsVertCenter, "gsVertCenter"}, {TGradBtn::gsHorizCenter, "gsHorizCenter"},
    };
    for (const auto& [style, tag] : grads) {
        auto* b = new TGradBtn;
        b->setFixedSize(75, 25);
        b->setText(QString::fromUtf8("決定(&O)"));
        b->setGradientStyle(style);
        layout->addWidget(tagged(b, QString::fromLatin1(tag)));
    }
    auto* pressed = new TGradBtn;
    pressed->setFixedSize(75, 25);
    pressed->setText(QString::fromUtf8("取消"));
    pressed->setTextShadeType(TGradBtn::stHeavy);
    pressed->setDown(true);
    layout->addWidget(tagged(pressed, QStringLiteral("pressed, stHeavy")));
    layout->addStretch();
}

void addLabels(QVBoxLayout* page)
{
    auto* holder = row(page, QString::fromUtf8("TBoxLabel / TBoxCaption"));
    holder->setMinimumHeight(90);
    auto* layout = new QHBoxLayout(holder);
    auto label = [&](const QString& caption, const QString& tag, auto setup) {
        auto* l = new TBoxLabel;
        l->setFixedSize(100, 24);
        l->setCaption(caption);
        setup(l);
        layout->addWidget(tagged(l, tag));
    };
    label(QString::fromUtf8("規格"), QStringLiteral("new"), [](TBoxLabel*) {});
    label(QString::fromUtf8("呼び径"), QStringLiteral("bsSingle, left"), [](TBoxLabel* l) {
        l->setBorderStyle(TCustomBoxLabel::bsSingle);
        l->setAlignment(Qt::AlignLeft);
    });
    label(QString::fromUtf8("無効の見出し"), QStringLiteral("disabled"), [](TBoxLabel* l) { l->setEnabled(false); });
    label(QString::fromUtf8("数量"), QStringLiteral("raised/none, colour"), [](TBoxLabel* l) {
        l->setBevelInner(Bevel::bvNone);
        l->setColor(ColorFromNumber(0xC0FFFF));
        l->setAlignment(Qt::AlignRight);
    });
    layout->addSpacing(20);
    // Captions hooked to their edits place themselves.
    auto* area = new QWidget;
    area->setFixedSize(330, 62);
    auto* edit = new TNValEdit(area);
    edit->setGeometry(90, 8, 90, 22);
    edit->setValue(350);
    auto* left = new TBoxCaption(area);
    left->resize(80, 20);
    left->setCaption(QString::fromUtf8("単価"));
    left->setHook(edit);
    left->setAttachTo(TBoxCaption::alLeft);
    auto* edit2 = new QLineEdit(area);
    edit2->setGeometry(200, 30, 120, 22);
    edit2->setText(QString::fromUtf8("屋内一般"));
    edit2->setEnabled(true);
    auto* top = new TBoxCaption(area);
    top->resize(60, 20);
    top->setCaption(QString::fromUtf8("施工箇所（無効）"));
    top->setHook(edit2);
    top->setAttachTo(TBoxCaption::alTop);
    top->setEnabled(false);
    layout->addWidget(tagged(area, QStringLiteral("TBoxCaption alLeft / alTop (disabled with its control)")));
    layout->addStretch();
}

void addContainers(QVBoxLayout* page)
{
    auto* layout = new QHBoxLayout(row(page, QString::fromUtf8("TBorRadio / TCheckGroupBox / TDsPanel")));
    auto* radios = new QWidget;
    radios->setFixedSize(220, 96);
    const char* names[] = {"一般", "撤去", "撤去再使用"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new TBorRadio(radios);
        r->setText(QString::fromUtf8(names[i]));
        r->move(0, i * 24);
        r->setChecked(i == 0);
    }
    auto* b1 = new TBorRadio(radios);
    b1->setText(QString::fromUtf8("原価"));
    b1->setGroupIndex(1);
    b1->move(110, 0);
    auto* b2 = new TBorRadio(radios);
    b2->setText(QString::fromUtf8("定価"));
    b2->setGroupIndex(1);
    b2->setCheckColor(ColorFromNumber(0x0000FF));
    b2->move(110, 24);
    b2->setChecked(true);
    auto* b3 = new TBorRadio(radios);
    b3->setText(QString::fromUtf8("無効"));
    b3->setGroupIndex(2);
    b3->move(110, 48);
    b3->setEnabled(false);
    auto* down = new TBorRadio(radios);
    down->setText(QString::fromUtf8("押下中"));
    down->setGroupIndex(3);
    down->move(0, 72);
    down->setDown(true);
    layout->addWidget(tagged(radios, QStringLiteral("two groups; disabled; pressed")));

    for (bool checked : {true, false}) {
        auto* group = new TCheckGroupBox;
        group->setFixedSize(180, 90);
        group->setCaption(QString::fromUtf8("掛率を使う"));
        auto* inner = new QVBoxLayout(group);
        auto* rate = new TNValEdit;
        rate->setValue(80);
        inner->addWidget(rate);
        auto* option = new TBorRadio;
        option->setText(QString::fromUtf8("定価から"));
        option->setChecked(true);
        inner->addWidget(option);
        group->setBoxChecked(checked);
        layout->addWidget(tagged(group, checked ? QStringLiteral("checked") : QStringLiteral("unchecked")));
    }

    auto* raised = new TDsPanel;
    raised->setFixedSize(185, 41);
    raised->setCaption(QString::fromUtf8("配管材入力ダイアログ"));
    layout->addWidget(tagged(raised, QStringLiteral("TDsPanel new (txRaised)")));
    auto* lowered = new TDsPanel;
    lowered->setFixedSize(185, 41);
    lowered->setCaption(QString::fromUtf8("左寄せ・凹"));
    lowered->setBorderLine(TDsPanel::blLowered);
    lowered->setTextStyle(TDsPanel::txLowered);
    lowered->setAlignment(Qt::AlignLeft);
    lowered->setShadowWidth(4);
    lowered->setFaceColor(ColorFromNumber(0xE0FFFF));
    layout->addWidget(tagged(lowered, QStringLiteral("blLowered, ShadowWidth 4")));
    layout->addStretch();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Render into FILE and exit."),
                                  QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);

    QWidget window;
    window.setWindowTitle(QStringLiteral("widget_gallery"));
    auto* page = new QVBoxLayout(&window);
    addNumericEdits(page);
    addGradientPanels(page);
    addBoxesAndButtons(page);
    addLabels(page);
    addContainers(page);
    page->addStretch();

    window.show();
    if (parser.isSet(screenshot)) {
        QApplication::processEvents();
        const bool saved = window.grab().save(parser.value(screenshot), "PNG");
        return saved ? 0 : 1;
    }
    return app.exec();
}
