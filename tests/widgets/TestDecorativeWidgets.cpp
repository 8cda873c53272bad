#include "ColorNumber.h"
#include "PaintedIcon.h"
#include "ScriptedModalSeam.h"
#include "TBorRadio.h"
#include "TBoxCaption.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TFolderDialog.h"
#include "TGradBox.h"
#include "TGradBtn.h"
#include "TGradPan.h"
#include "TIconButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGroupBox>
#include <QPixmapCache>
#include <QtTest>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<QObject*()>)

class TestDecorativeWidgets : public QObject {
    Q_OBJECT

private slots:
    void newWidgetValues_data();
    void newWidgetValues();
    void gradBoxBands_data();
    void gradBoxBands();
    void gradBoxPaintsBands();
    void gradPanStripes_data();
    void gradPanStripes();
    void gradPanPaintsGradientAndBevel();
    void gradPanMovesAndSizes();
    void radioGroups();
    void radioKeyboardAndFocus();
    void checkGroupBoxEnablesChildren_data();
    void checkGroupBoxEnablesChildren();
    void checkGroupBoxCaptionMustFit();
    void boxCaptionAttaches_data();
    void boxCaptionAttaches();
    void boxCaptionPassesEnabledAndForgetsHook();
    void iconButtonLooks_data();
    void iconButtonLooks();
    void iconButtonPointerColours();
    void gradBtnSwapsAndClicks();
    void gradBtnFaceFollowsItsSettings_data();
    void gradBtnFaceFollowsItsSettings();
    void dsPanelShadowAndFace();
    void folderDialogAsksTheSeam();
    void paintedIconAtEachSize_data();
    void paintedIconAtEachSize();
};

using Factory = std::function<QObject*()>;

void TestDecorativeWidgets::newWidgetValues_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");

    const Factory pan = [] { return new TGradPan; };
    QTest::newRow("pan effect") << pan << "BackGroundEffect" << QVariant::fromValue(TGradPan::bdVertIn);
    QTest::newRow("pan start") << pan << "ColorStart" << QVariant(QColor(0x00, 0x80, 0x80));
    QTest::newRow("pan end") << pan << "ColorEnd" << QVariant(QColor(Qt::white));
    QTest::newRow("pan shadow") << pan << "ColorShadow" << QVariant(QColor(0x80, 0x80, 0x80));
    QTest::newRow("pan text effect") << pan << "TextEffect" << QVariant::fromValue(TGradPan::teShadow);
    QTest::newRow("pan vert align") << pan << "VertAlign" << QVariant::fromValue(TGradPan::vlCenter);
    QTest::newRow("pan marge") << pan << "Marge" << QVariant(6);
    QTest::newRow("pan bitmap") << pan << "Bitmap.size" << QVariant(QSize(50, 50));
    const Factory box = [] { return new TGradBox; };
    QTest::newRow("box start") << box << "StartColor" << QVariant(QColor(Qt::white));
    QTest::newRow("box end") << box << "EndColor" << QVariant(QColor(Qt::black));
    QTest::newRow("box step") << box << "GradStep" << QVariant(128);
    QTest::newRow("box direction") << box << "Direction" << QVariant::fromValue(TGradBox::gdVertical);
    QTest::newRow("box size") << box << "size" << QVariant(QSize(128, 128));
    const Factory icon = [] { return new TIconButton; };
    QTest::newRow("icon style") << icon << "ButtonStyle" << QVariant::fromValue(TIconButton::bsFrame);
    QTest::newRow("icon in colour") << icon << "InColor" << QVariant(SystemColor(2));
    QTest::newRow("icon size") << icon << "size" << QVariant(QSize(36, 36));
    const Factory label = [] { return new TBoxLabel; };
    QTest::newRow("label inner") << label << "BevelInner" << QVariant::fromValue(Bevel::bvLowered);
    QTest::newRow("label outer") << label << "BevelOuter" << QVariant::fromValue(Bevel::bvRaised);
    QTest::newRow("label border") << label << "TextBorder" << QVariant(2);
    QTest::newRow("label size") << label << "size" << QVariant(QSize(70, 20));
    const Factory radio = [] { return new TBorRadio; };
    QTest::newRow("radio checked") << radio << "Checked" << QVariant(false);
    QTest::newRow("radio size") << radio << "size" << QVariant(QSize(98, 20));
    const Factory group = [] { return new TCheckGroupBox; };
    QTest::newRow("group checked") << group << "Checked" << QVariant(true);
    const Factory ds = [] { return new TDsPanel; };
    QTest::newRow("ds high") << ds << "Color_High" << QVariant(QColor(0xE8, 0xE8, 0xE0));
    QTest::newRow("ds low") << ds << "Color_Low" << QVariant(QColor(0xA2, 0x8D, 0x68));
    QTest::newRow("ds shadow width") << ds << "ShadowWidth" << QVariant(2);
    QTest::newRow("ds size") << ds << "size" << QVariant(QSize(185, 41));
    const Factory folder = [] { return new TFolderDialog; };
    QTest::newRow("folder option") << folder << "Option"
                                   << QVariant::fromValue(TFolderDialog::TBrowseInfoFlags(TFolderDialog::bifReturnOnlyFSDirs));
    const Factory btn = [] { return new TGradBtn; };
    QTest::newRow("btn begin") << btn << "BeginColor" << QVariant(QColor(0x00, 0x00, 0x80));
    QTest::newRow("btn end") << btn << "EndColor" << QVariant(QColor(0x00, 0xFF, 0xFF));
    QTest::newRow("btn style") << btn << "GradientStyle" << QVariant::fromValue(TGradBtn::gsVertCenter);
    QTest::newRow("btn size") << btn << "size" << QVariant(QSize(75, 25));
}

void TestDecorativeWidgets::newWidgetValues()
{
    QFETCH(Factory, make);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);

    std::unique_ptr<QObject> object(make());
    QVariant actual;
    if (property == QLatin1String("Bitmap.size"))
        actual = object->property("Bitmap").value<QPixmap>().size();
    else
        actual = object->property(property.toLatin1().constData());
    QVERIFY2(actual.isValid(), qPrintable(property));
    QCOMPARE(actual, expected);
}

void TestDecorativeWidgets::gradBoxBands_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("firstLength");
    QTest::addColumn<int>("secondGrey");
    QTest::addColumn<int>("lastGrey");

    // One band of the whole length: only the start colour shows.
    QTest::newRow("step 0") << 128 << 0 << 1 << 128 << -1 << 255;
    // 33-pixel bands; the end colour band has one pixel left inside.
    QTest::newRow("step 2") << 100 << 2 << 4 << 33 << 170 << 0;
    // 64-pixel bands: the end colour band lies just outside.
    QTest::newRow("step 1") << 128 << 1 << 2 << 64 << 127 << 127;
    // Bands of one pixel cannot reach the end; the rest keeps the last colour.
    QTest::newRow("leftover strip") << 383 << 255 << 258 << 1 << 254 << 0;
    QTest::newRow("short box") << 10 << 255 << 10 << 1 << 254 << 246;
}

void TestDecorativeWidgets::gradBoxBands()
{
    QFETCH(int, length);
    QFETCH(int, step);
    QFETCH(int, bandCount);
    QFETCH(int, firstLength);
    QFETCH(int, secondGrey);
    QFETCH(int, lastGrey);

    const auto bands = TGradBox::bands(length, step, Qt::white, Qt::black);
    QCOMPARE(bands.size(), bandCount);
    QCOMPARE(bands.first().length, firstLength);
    QCOMPARE(bands.first().color, QColor(Qt::white));
    if (secondGrey >= 0)
        QCOMPARE(bands.at(1).color.red(), secondGrey);
    QCOMPARE(bands.last().color.red(), lastGrey);
    int next = 0;
    for (const auto& band : bands) {
        QCOMPARE(band.from, next); // contiguous, no gaps or overlaps
        QVERIFY(band.length > 0);
        next += band.length;
    }
    QCOMPARE(next, length);
}

void TestDecorativeWidgets::gradBoxPaintsBands()
{
    TGradBox box;
    box.resize(40, 100);
    QSignalSpy changes(&box, &TGradBox::Change);
    box.setStartColor(QColor(200, 0, 0));
    box.setEndColor(QColor(0, 0, 200));
    box.setGradStep(0);
    QCOMPARE(changes.count(), 3);
    box.setGradStep(0);
    QCOMPARE(changes.count(), 3);
    QImage image = box.grab().toImage();
    QCOMPARE(image.pixelColor(20, 0), QColor(200, 0, 0));
    QCOMPARE(image.pixelColor(20, 99), QColor(200, 0, 0));

    box.setGradStep(3); // 25-pixel bands down the box
    image = box.grab().toImage();
    QCOMPARE(image.pixelColor(5, 10), QColor(200, 0, 0));
    QCOMPARE(image.pixelColor(5, 30), QColor(150, 0, 50));
    QCOMPARE(image.pixelColor(5, 99), QColor(50, 0, 150));
    box.setDirection(TGradBox::gdHorizontal); // 10-pixel bands across
    image = box.grab().toImage();
    QCOMPARE(image.pixelColor(0, 50), QColor(200, 0, 0));
    QCOMPARE(image.pixelColor(35, 50), QColor(50, 0, 150));
}

void TestDecorativeWidgets::gradPanStripes_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("middle");
    QTest::addColumn<QColor>("last");

    const QColor s(0, 0, 0), e(99, 198, 255);
    QTest::newRow("up") << int(TGradPan::bdUp) << s << QColor(49, 98, 126) << e;
    QTest::newRow("down") << int(TGradPan::bdDown) << e << QColor(50, 100, 128) << s;
    QTest::newRow("left") << int(TGradPan::bdLeft) << s << QColor(49, 98, 126) << e;
    QTest::newRow("horz in") << int(TGradPan::bdHorzIn) << s << e << s;
    QTest::newRow("vert out") << int(TGradPan::bdVertOut) << e << s << e;
}

void TestDecorativeWidgets::gradPanStripes()
{
    QFETCH(int, effect);
    QFETCH(QColor, first);
    QFETCH(QColor, middle);
    QFETCH(QColor, last);

    const auto stripes = TGradPan::stripeColors(TGradPan::TBackGroundEffect(effect), QColor(0, 0, 0), QColor(99, 198, 255));
    QCOMPARE(stripes.size(), 100);
    QCOMPARE(stripes.first(), first);
    QCOMPARE(stripes.at(49), middle);
    QCOMPARE(stripes.last(), last);
    if (effect == TGradPan::bdHorzIn || effect == TGradPan::bdVertOut) {
        for (int i = 0; i < 50; ++i)
            QCOMPARE(stripes.at(i), stripes.at(99 - i)); // symmetric about the middle
    }
}

void TestDecorativeWidgets::gradPanPaintsGradientAndBevel()
{
    TGradPan pan;
    pan.resize(200, 30);
    pan.setBackGroundEffect(TGradPan::bdLeft);
    pan.setColorStart(QColor(255, 0, 0));
    pan.setColorEnd(QColor(0, 0, 255));
    const QImage image = pan.grab().toImage();
    QCOMPARE(image.pixelColor(1, 15), QColor(255, 0, 0)); // inside the one-pixel bevel
    QCOMPARE(image.pixelColor(198, 15), QColor(0, 0, 255));
    QVERIFY(image.pixelColor(100, 15).red() < 140 && image.pixelColor(100, 15).blue() > 115);
    // A raised outer bevel: white on the top left, grey on the bottom right.
    QCOMPARE(image.pixelColor(50, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(0, 15), QColor(Qt::white));
    QCOMPARE(image.pixelColor(50, 29), QColor(0x80, 0x80, 0x80));
    QCOMPARE(image.pixelColor(199, 15), QColor(0x80, 0x80, 0x80));

    pan.setBackGroundEffect(TGradPan::bdFlat);
    QCOMPARE(pan.grab().toImage().pixelColor(100, 15), QColor(255, 0, 0));
}

void TestDecorativeWidgets::gradPanMovesAndSizes()
{
    QWidget window;
    window.resize(400, 300);
    auto* pan = new TGradPan(&window);
    pan->setGeometry(50, 50, 100, 60);
    window.show();

    // Not moveable: a drag changes nothing.
    QTest::mousePress(pan, Qt::LeftButton, {}, QPoint(50, 30));
    QTest::mouseMove(pan, QPoint(70, 40));
    QTest::mouseRelease(pan, Qt::LeftButton, {}, QPoint(70, 40));
    QCOMPARE(pan->geometry(), QRect(50, 50, 100, 60));

    pan->setMoveable(true);
    QCOMPARE(pan->zoneAt(QPoint(2, 2)), Qt::Edges(Qt::LeftEdge | Qt::TopEdge));
    QCOMPARE(pan->zoneAt(QPoint(97, 30)), Qt::Edges(Qt::RightEdge));
    QCOMPARE(pan->zoneAt(QPoint(50, 57)), Qt::Edges(Qt::BottomEdge));
    QCOMPARE(pan->zoneAt(QPoint(50, 30)), Qt::Edges());

    QList<QRect> seenBeforeMove;
    connect(pan, &TGradPan::PanelMove, pan, [&] { seenBeforeMove << pan->geometry(); });
    QTest::mousePress(pan, Qt::LeftButton, {}, QPoint(50, 30));
    QTest::mouseMove(pan, QPoint(70, 40));
    QTest::mouseRelease(pan, Qt::LeftButton, {}, QPoint(70, 40));
    QCOMPARE(pan->geometry(), QRect(70, 60, 100, 60));
    QCOMPARE(seenBeforeMove.value(0), QRect(50, 50, 100, 60)); // fired before the move

    // The bottom right corner sizes the panel.
    QTest::mousePress(pan, Qt::LeftButton, {}, QPoint(98, 58));
    QTest::mouseMove(pan, QPoint(118, 48));
    QTest::mouseRelease(pan, Qt::LeftButton, {}, QPoint(118, 48));
    QCOMPARE(pan->geometry(), QRect(70, 60, 120, 50));
}

void TestDecorativeWidgets::radioGroups()
{
    QWidget window;
    QWidget left(&window), right(&window);
    auto* a1 = new TBorRadio(&left);
    auto* a2 = new TBorRadio(&left);
    auto* other = new TBorRadio(&left);
    auto* b1 = new TBorRadio(&right);
    a2->move(0, 30);
    other->move(0, 60);
    other->setGroupIndex(1);
    other->setChecked(true);
    b1->setChecked(true);
    window.show();

    QSignalSpy clicks1(a1, &TBorRadio::Click);
    QSignalSpy clicks2(a2, &TBorRadio::Click);
    QTest::mouseClick(a1, Qt::LeftButton);
    QVERIFY(a1->isChecked());
    QTest::mouseClick(a2, Qt::LeftButton);
    QVERIFY(a2->isChecked());
    QVERIFY(!a1->isChecked());
    QVERIFY(other->isChecked()); // another GroupIndex
    QVERIFY(b1->isChecked());    // another parent
    QCOMPARE(clicks1.count(), 1);
    QCOMPARE(clicks2.count(), 1);

    // A click on the checked radio keeps it checked, and Checked from code
    // groups the same way.
    QTest::mouseClick(a2, Qt::LeftButton);
    QVERIFY(a2->isChecked());
    a1->setProperty("Checked", true);
    QVERIFY(!a2->isChecked());
    QCOMPARE(clicks1.count(), 2);

    // Only the checked radio of a group is a tab stop.
    QCOMPARE(a1->focusPolicy(), Qt::StrongFocus);
    QVERIFY(!(a2->focusPolicy() & Qt::TabFocus));

    // A release outside the radio does not check it.
    QTest::mousePress(a2, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(a2->isDown());
    QTest::mouseRelease(a2, Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(a1->isChecked());
}

void TestDecorativeWidgets::radioKeyboardAndFocus()
{
    QWidget window;
    auto* first = new TBorRadio(&window);
    auto* second = new TBorRadio(&window);
    second->move(0, 30);
    first->setChecked(true);
    window.show();
    QApplication::setActiveWindow(&window);

    second->setFocus(Qt::OtherFocusReason); // receiving the focus checks it
    QVERIFY(second->isChecked());
    QVERIFY(!first->isChecked());

    first->setFocus(Qt::MouseFocusReason);
    second->setChecked(true);
    QVERIFY(!first->isChecked());
    QTest::keyClick(first, Qt::Key_Space);
    QVERIFY(first->isChecked());
    QVERIFY(!second->isChecked());

    // A press focuses without checking; dragging out before the release
    // leaves the group as it was.
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(second->hasFocus());
    QVERIFY(!second->isChecked());
    QTest::mouseMove(second, QPoint(300, 300));
    QVERIFY(!second->isDown()); // the pressed look follows the pointer
    QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(first->isChecked());
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(second->isChecked());
    QVERIFY(!first->isChecked());
}

void TestDecorativeWidgets::checkGroupBoxEnablesChildren_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("Checked set") << false;
    QTest::newRow("check box clicked") << true;
}

void TestDecorativeWidgets::checkGroupBoxEnablesChildren()
{
    QFETCH(bool, byMouse);
    TCheckGroupBox box;
    box.resize(200, 120);
    box.setProperty("Caption", QString::fromUtf8("詳細設定"));
    auto* edit = new QLineEdit(&box);
    edit->move(10, 40);
    auto* inner = new TBorRadio(&box);
    inner->move(10, 70);
    auto* own = new QLineEdit(&box); // disabled on its own
    own->move(100, 40);
    own->setEnabled(false);
    box.show();
    const auto toggle = [&](bool checked) {
        if (byMouse)
            QTest::mouseClick(box.checkBox(), Qt::LeftButton, {}, QPoint(6, box.checkBox()->height() / 2));
        else
            box.setProperty("Checked", checked);
    };

    // Each notification records what the children looked like when it came.
    QStringList events;
    const auto record = [&](const char* name) {
        events << QStringLiteral("%1 %2%3").arg(QLatin1String(name)).arg(edit->isEnabled()).arg(own->isEnabled());
    };
    connect(&box, &TCheckGroupBox::Click, [&] { record("Click"); });
    connect(&box, &TCheckGroupBox::CheckBoxClick, [&] { record("CheckBoxClick"); });
    toggle(false);
    QVERIFY(!box.property("Checked").toBool());
    QVERIFY(!edit->isEnabled());
    QVERIFY(!inner->isEnabled());
    QVERIFY(box.checkBox()->isEnabled()); // so that it can be checked again
    toggle(true);
    QVERIFY(box.property("Checked").toBool());
    QVERIFY(inner->isEnabled());
    QCOMPARE(events, (QStringList{"Click 10", "CheckBoxClick 00", "Click 00", "CheckBoxClick 11"}));

    // Setting the state it already has changes nothing.
    box.setProperty("Checked", true);
    QCOMPARE(events.size(), 4);
}

void TestDecorativeWidgets::checkGroupBoxCaptionMustFit()
{
    TCheckGroupBox box;
    box.resize(120, 80);
    box.setCaption(QStringLiteral("Short"));
    QCOMPARE(box.caption(), QStringLiteral("Short"));
    box.setCaption(QString(60, QLatin1Char('W')));
    QCOMPARE(box.caption(), QStringLiteral("Short"));

    // A box still waiting for its layout takes any caption.
    TCheckGroupBox unsized;
    unsized.setCaption(QString(30, QLatin1Char('W')));
    QCOMPARE(unsized.caption(), QString(30, QLatin1Char('W')));
}

void TestDecorativeWidgets::boxCaptionAttaches_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QRect>("expected");

    // The hooked control lies at (100, 80), 60 x 24; the caption is 50 x 20.
    QTest::newRow("top") << int(TBoxCaption::alTop) << QRect(100, 60, 60, 20);
    QTest::newRow("bottom") << int(TBoxCaption::alBottom) << QRect(100, 104, 60, 20);
    QTest::newRow("left") << int(TBoxCaption::alLeft) << QRect(50, 80, 50, 24);
    QTest::newRow("right") << int(TBoxCaption::alRight) << QRect(160, 80, 50, 24);
    QTest::newRow("none") << int(TBoxCaption::alNone) << QRect(0, 0, 50, 20);
}

void TestDecorativeWidgets::boxCaptionAttaches()
{
    QFETCH(int, side);
    QFETCH(QRect, expected);

    QWidget window;
    window.resize(300, 200);
    auto* control = new QLineEdit(&window);
    control->setGeometry(100, 80, 60, 24);
    auto* caption = new TBoxCaption(&window);
    caption->setGeometry(0, 0, 50, 20);
    caption->setCaption(QString::fromUtf8("数量"));
    caption->setAttachTo(TBoxCaption::TAttachTo(side));
    caption->setProperty("Hook", QVariant::fromValue<QWidget*>(control));
    QCOMPARE(caption->geometry(), expected);
    window.show();

    // It follows the control when the control moves.
    control->move(120, 90);
    const QRect moved = side == TBoxCaption::alNone ? expected : expected.translated(20, 10);
    QCOMPARE(caption->geometry(), moved);
}

void TestDecorativeWidgets::boxCaptionPassesEnabledAndForgetsHook()
{
    QWidget window;
    auto* control = new QLineEdit(&window);
    auto* caption = new TBoxCaption(&window);
    caption->setHook(control);
    caption->setAttachTo(TBoxCaption::alLeft);
    caption->setEnabled(false);
    QVERIFY(!control->isEnabled());
    caption->setEnabled(true);
    QVERIFY(control->isEnabled());
    delete control;
    QCOMPARE(caption->hook(), nullptr);
    caption->repaint(); // painting without a hook must not touch the old control
    caption->setEnabled(false);
}

void TestDecorativeWidgets::iconButtonLooks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("restOuter");
    QTest::addColumn<int>("restInner");
    QTest::addColumn<int>("pressedOuter");
    QTest::addColumn<int>("pressedInner");
    QTest::addColumn<int>("releasedOuter");
    QTest::addColumn<int>("releasedInner");

    using namespace Bevel;
    QTest::newRow("none") << int(TIconButton::bsNone) << int(bvNone) << int(bvNone) << int(bvLowered) << int(bvNone) << int(bvNone) << int(bvNone);
    QTest::newRow("lowered") << int(TIconButton::bsLowered) << int(bvLowered) << int(bvNone) << int(bvLowered) << int(bvLowered) << int(bvLowered) << int(bvNone);
    QTest::newRow("raised") << int(TIconButton::bsRaised) << int(bvNone) << int(bvRaised) << int(bvLowered) << int(bvRaised) << int(bvRaised) << int(bvRaised);
    QTest::newRow("frame") << int(TIconButton::bsFrame) << int(bvRaised) << int(bvLowered) << int(bvNone) << int(bvLowered) << int(bvRaised) << int(bvLowered);
    QTest::newRow("groove") << int(TIconButton::bsGroove) << int(bvLowered) << int(bvRaised) << int(bvLowered) << int(bvNone) << int(bvLowered) << int(bvRaised);
    QTest::newRow("ie like") << int(TIconButton::bsIELike) << int(bvNone) << int(bvNone) << int(bvLowered) << int(bvNone) << int(bvRaised) << int(bvNone);
}

void TestDecorativeWidgets::iconButtonLooks()
{
    QFETCH(int, style);
    QFETCH(int, restOuter);
    QFETCH(int, restInner);
    QFETCH(int, pressedOuter);
    QFETCH(int, pressedInner);
    QFETCH(int, releasedOuter);
    QFETCH(int, releasedInner);

    TIconButton button;
    button.setButtonStyle(TIconButton::TButtonStyle(style));
    button.show();
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QCOMPARE(int(button.outerBevel()), restOuter);
    QCOMPARE(int(button.innerBevel()), restInner);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(18, 18));
    QCOMPARE(int(button.outerBevel()), pressedOuter);
    QCOMPARE(int(button.innerBevel()), pressedInner);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(18, 18));
    QCOMPARE(int(button.outerBevel()), releasedOuter);
    QCOMPARE(int(button.innerBevel()), releasedInner);
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(&button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 2);
}

void TestDecorativeWidgets::iconButtonPointerColours()
{
    TIconButton button;
    button.setInColor(QColor(10, 20, 30));
    button.setOutColor(QColor(200, 200, 200));
    button.setButtonStyle(TIconButton::bsIELike);
    QSignalSpy entered(&button, &TIconButton::MouseEnter);
    QSignalSpy left(&button, &TIconButton::MouseLeave);
    QEnterEvent enter(QPointF(5, 6), QPointF(5, 6), QPointF(5, 6));
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(button.currentColor(), QColor(10, 20, 30));
    QCOMPARE(button.outerBevel(), Bevel::bvRaised);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.at(0).at(1).toInt(), 5);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QCOMPARE(button.currentColor(), QColor(200, 200, 200));
    QCOMPARE(button.outerBevel(), Bevel::bvNone);
    QCOMPARE(left.count(), 1);

    button.setColorChange(false);
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(button.currentColor(), QColor(200, 200, 200));
}

void TestDecorativeWidgets::gradBtnSwapsAndClicks()
{
    QWidget window;
    auto* accelerated = new TGradBtn(&window);
    accelerated->setText(QString::fromUtf8("決定(&O)"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy accelerator(accelerated, &QAbstractButton::clicked);
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(accelerator.count(), 1); // the toolkit animates an accelerator click

    TGradBtn button;
    button.setText(QString::fromUtf8("決定"));
    button.show();
    const QColor begin = button.beginColor();
    const QColor end = button.endColor();
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.beginColor(), end);
    QCOMPARE(button.endColor(), begin);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.beginColor(), begin);
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(&button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 2);

    button.setSwapColors(false);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.beginColor(), begin);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));

    // Vertical centre: the edges have the begin colour, the middle the end colour.
    button.resize(80, 41);
    const QImage face = button.face().toImage();
    QVERIFY(face.pixelColor(5, 2).green() < 60);
    QVERIFY(face.pixelColor(5, 20).green() > 215);
    QVERIFY(face.pixelColor(5, 38).green() < 60);
    QCOMPARE(face.pixelColor(5, 2), face.pixelColor(5, 38)); // mirrored about the middle
}

// A button whose face was drawn in red to blue, 80 × 41, is then set as the
// row says: its face is that of a new button set so, in every style, never
// one kept from before.
void TestDecorativeWidgets::gradBtnFaceFollowsItsSettings_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("begin");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<QSize>("size");
    const QColor red(200, 0, 0);
    const QColor blue(0, 0, 200);
    const QSize size(80, 41);
    for (int style = TGradBtn::gsHorizontal; style <= TGradBtn::gsHorizCenter; ++style) {
        const QByteArray name = "style " + QByteArray::number(style);
        const int next = (style + 1) % (TGradBtn::gsHorizCenter + 1);
        QTest::newRow(name + ", unchanged") << style << style << red << blue << size;
        QTest::newRow(name + ", begin colour") << style << style << QColor(0, 150, 0) << blue << size;
        QTest::newRow(name + ", end colour") << style << style << red << QColor(250, 250, 0) << size;
        QTest::newRow(name + ", colours swapped") << style << style << blue << red << size;
        QTest::newRow(name + ", one pixel wider") << style << style << red << blue << QSize(81, 41);
        QTest::newRow(name + ", one pixel lower") << style << style << red << blue << QSize(80, 40);
        QTest::newRow(name + ", next style") << style << next << red << blue << size;
    }
}

void TestDecorativeWidgets::gradBtnFaceFollowsItsSettings()
{
    QFETCH(int, before);
    QFETCH(int, style);
    QFETCH(QColor, begin);
    QFETCH(QColor, end);
    QFETCH(QSize, size);
    const auto set = [](TGradBtn& button, int s, const QColor& b, const QColor& e, QSize z) {
        button.setText(QStringLiteral("12"));
        button.setGradientStyle(TGradBtn::TGradientStyle(s));
        button.setBeginColor(b);
        button.setEndColor(e);
        button.resize(z);
    };
    TGradBtn changed;
    set(changed, before, QColor(200, 0, 0), QColor(0, 0, 200), QSize(80, 41));
    const QImage old = changed.face().toImage();
    set(changed, style, begin, end, size);
    TGradBtn fresh;
    set(fresh, style, begin, end, size);
    const QImage now = changed.face().toImage();
    QPixmapCache::clear(); // the new button draws its own
    QCOMPARE(now, fresh.face().toImage());
    QCOMPARE(now == old, QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("unchanged")));
}

void TestDecorativeWidgets::dsPanelShadowAndFace()
{
    TDsPanel panel;
    panel.setShadowWidth(4);
    panel.setColor(QColor(255, 255, 255));
    panel.setFaceColor(QColor(0, 200, 0));
    panel.setShadowColor(QColor(50, 50, 50));
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(184, 40), QColor(50, 50, 50)); // shadow at the bottom right
    QCOMPARE(image.pixelColor(1, 39), QColor(255, 255, 255)); // background beside the shadow
    QCOMPARE(image.pixelColor(90, 20), QColor(0, 200, 0));
    QCOMPARE(image.pixelColor(0, 0), panel.colorHigh());     // raised border
    QCOMPARE(image.pixelColor(180, 36), panel.colorLow());
    // Child controls are laid out on the face, clear of border and shadow.
    QCOMPARE(panel.contentsRect(), QRect(1, 1, 185 - 6, 41 - 6));
}

void TestDecorativeWidgets::folderDialogAsksTheSeam()
{
    ScriptedModalSeam seam;
    QWidget owner;
    TFolderDialog dialog(&owner);
    dialog.setTitle(QString::fromUtf8("フォルダの選択"));
    seam.folderAnswers.push_back(QStringLiteral("/data/kanzai"));
    QVERIFY(dialog.Execute());
    QCOMPARE(dialog.directory(), QStringLiteral("/data/kanzai"));
    QVERIFY(seam.asked.value(0).contains(QString::fromUtf8("フォルダの選択")));

    seam.folderAnswers.push_back(QString()); // cancelled
    QVERIFY(!dialog.Execute());
    QCOMPARE(dialog.directory(), QStringLiteral("/data/kanzai"));
    QVERIFY(seam.unexpected.isEmpty());
}

// Drawn at the size asked (the square within it), not scaled from another
// size; each size and mode drawn once, a disabled one in the style's look.
void TestDecorativeWidgets::paintedIconAtEachSize_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("mode");
    QTest::newRow("as designed") << QSize(32, 32) << 32 << int(QIcon::Normal);
    QTest::newRow("twice as large") << QSize(64, 64) << 64 << int(QIcon::Normal);
    QTest::newRow("one and a half") << QSize(48, 48) << 48 << int(QIcon::Normal);
    QTest::newRow("wide box") << QSize(40, 30) << 30 << int(QIcon::Normal);
    QTest::newRow("disabled") << QSize(64, 64) << 64 << int(QIcon::Disabled);
}

void TestDecorativeWidgets::paintedIconAtEachSize()
{
    QFETCH(QSize, asked);
    QFETCH(int, side);
    QFETCH(int, mode);
    int draws = 0;
    // The top left quarter of a 32-pixel design, in red.
    const QIcon icon = PaintedIcon(32, [&draws](QPainter& painter) {
        ++draws;
        painter.fillRect(QRect(0, 0, 16, 16), Qt::red);
    });
    const QImage image = icon.pixmap(asked, 1.0, QIcon::Mode(mode)).toImage();
    QCOMPARE(image.size(), QSize(side, side));
    const QColor inside = image.pixelColor((side - 1) / 2, (side - 1) / 2);
    if (mode == QIcon::Normal)
        QCOMPARE(inside, QColor(Qt::red));
    else
        QVERIFY(inside.alpha() > 0 && inside != QColor(Qt::red));
    QCOMPARE(image.pixelColor(side / 2, side / 2).alpha(), 0);
    icon.pixmap(asked, 1.0, QIcon::Mode(mode));
    QCOMPARE(draws, 1);
    QVERIFY(icon.pixmap(QSize(0, 0)).isNull());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestDecorativeWidgets)
#include "TestDecorativeWidgets.moc"
