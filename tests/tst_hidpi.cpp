// Runs with QT_SCALE_FACTOR=2: a screen with two device pixels per pixel.

#include "faketoolkit.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "testmain.h"

#include <QtTest>

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreDrawnAtDevicePixels();
    void windowIsTwiceTheSize();
};

void TestHiDpi::picturesAreDrawnAtDevicePixels()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    FakeToolkit toolkit;
    Form1 form(toolkit);
    for (const Picture *picture : {&form.X, &form.O, &form.PicEmpty, &form.Xrmlm, &form.Orblt}) {
        QCOMPARE(picture->pixmap().size(), QSize(84, 84)); // device pixels, not an upscaled 42
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(42, 42));
    }
    // The identity test still holds.
    form.Image1_Click(0);
    QVERIFY(form.holdsX(0));
    QVERIFY(form.holdsO(4));
}

void TestHiDpi::windowIsTwiceTheSize()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage shot = form.centralWidget()->grab().toImage();
    QCOMPARE(shot.height(), 2 * 171);
    QVERIFY(shot.width() >= 2 * 171);

    // The grid lines are 6 device pixels wide: count the dark pixels across
    // the left vertical line, in the middle of the top row.
    int dark = 0;
    for (int x = 2 * 55; x < 2 * 75; ++x)
        dark += shot.pixelColor(x, 2 * 45).lightness() < 100 ? 1 : 0;
    QCOMPARE(dark, 6);
    QCOMPARE(shot.pixelColor(2 * 64, 2 * 45), QColor(Qt::black));
}

KELMO_TEST(TestHiDpi)
#include "tst_hidpi.moc"
