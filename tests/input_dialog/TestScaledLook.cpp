// The input dialog on a scaled screen: what it draws off the screen must be
// drawn in the screen's own pixels, or it comes out blurred.
#include "ScriptedModalSeam.h"
#include "TFKANZAI.h"
#include "TGradBtn.h"
#include "TIconButton.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

class TestScaledLook : public QObject {
    Q_OBJECT
private slots:
    void screenIsScaled();
    void buttonFacesInScreenPixels();
    void categoryDisksInScreenPixels();
};

void TestScaledLook::screenIsScaled()
{
    QVERIFY(qApp->devicePixelRatio() > 1.0);
}

void TestScaledLook::buttonFacesInScreenPixels()
{
    ScriptedModalSeam seam;
    QTemporaryDir dir;
    TFKANZAI dialog(dir.path(), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<TGradBtn*> buttons = dialog.findChildren<TGradBtn*>();
    QVERIFY(buttons.size() >= 15); // the sizes and the keypad
    for (TGradBtn* button : buttons) {
        const QPixmap face = button->face();
        const qreal dpr = button->devicePixelRatioF();
        QCOMPARE(face.devicePixelRatio(), dpr);
        QVERIFY2(qAbs(face.width() - button->width() * dpr) < 1 && qAbs(face.height() - button->height() * dpr) < 1,
                 qPrintable(button->objectName()));
    }
}

void TestScaledLook::categoryDisksInScreenPixels()
{
    ScriptedModalSeam seam;
    QTemporaryDir dir;
    TFKANZAI dialog(dir.path(), {});
    const qreal dpr = dialog.devicePixelRatioF();
    for (TIconButton* button : dialog.ib) {
        // The button draws its icon 32 pixels square.
        const QPixmap disk = button->buttonIcon().pixmap(QSize(32, 32), dpr);
        QVERIFY2(disk.width() >= qRound(32 * dpr), qPrintable(button->objectName()));
    }
}

static int runTestScaledLook(int argc, char** argv)
{
    // A screen of twice the density unless the run names another factor.
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScaledLook test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMain.h"
KAVREL_TEST_CUSTOM_MAIN(TestScaledLook, runTestScaledLook)

#include "TestScaledLook.moc"
