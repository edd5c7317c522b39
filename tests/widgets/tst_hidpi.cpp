// Runs at a device pixel ratio of 2 (QT_SCALE_FACTOR=2).
#include "platform/color_conversion.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_application.h"

#include <QMouseEvent>

namespace {

// Neighbouring pixels all differ: the colour follows the column's and the row's parity.
QRgb parityColour(int x, int y) {
    static const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                   qRgb(255, 255, 0)};
    return colours[(x % 2) + 2 * (y % 2)];
}

QImage parityPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, parityColour(x, y));
    return picture;
}

// A press at the centre of image pixel (x, y), in Qt's fractional logical coordinates.
void pressOnPixel(TImage* image, int x, int y) {
    const QPointF at = QPointF(x + 0.5, y + 0.5) / image->devicePixelRatioF();
    QMouseEvent press(QEvent::MouseButtonPress, at, image->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, image->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &release);
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
    void pictureCoversOneDevicePixelPerPixel();
    void clickSamplesThePixelUnderThePointer_data();
    void clickSamplesThePixelUnderThePointer();
    void firstSampleFillsTheControl();
};

void TestHiDpi::pictureCoversOneDevicePixelPerPixel() {
    FormFixture f;
    f.image1()->setPicture({parityPicture(7, 5), {}});
    QCOMPARE(f.image1()->size(), QSize(4, 3)); // 3.5 x 2.5 logical, rounded up
    QImage drawn = f.image1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.devicePixelRatio(), 2.0);
    drawn.setDevicePixelRatio(1);
    QCOMPARE(drawn.copy(0, 0, 7, 5), parityPicture(7, 5));
}

void TestHiDpi::clickSamplesThePixelUnderThePointer_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("origin") << QPoint(0, 0);
    QTest::newRow("right neighbour") << QPoint(1, 0);
    QTest::newRow("lower neighbour") << QPoint(0, 1);
    QTest::newRow("diagonal") << QPoint(1, 1);
    QTest::newRow("odd last pixel") << QPoint(6, 4);
}

void TestHiDpi::clickSamplesThePixelUnderThePointer() {
    QFETCH(QPoint, pixel);
    FormFixture f;
    f.image1()->setPicture({parityPicture(7, 5), {}});
    pressOnPixel(f.image1(), pixel.x(), pixel.y());
    QCOMPARE(PickedColor, toTColor(parityColour(pixel.x(), pixel.y())));
}

void TestHiDpi::firstSampleFillsTheControl() {
    FormFixture f;
    pressOnPixel(f.image1(), 3, 3);
    QCOMPARE(f.image1()->Canvas().size(), f.image1()->size() * 2);
    QCOMPARE(PickedColor, rgbColor(255, 255, 255));
}

LUMVEX_WIDGET_TEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
