#include "platform/color_conversion.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_application.h"

#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>

namespace {

bool swatchIsAll(const TImage* swatch, QRgb expected) {
    const QImage picture = const_cast<TImage*>(swatch)->Canvas();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != expected)
                return false;
    return picture.size() == swatch->size();
}

void sendMove(TImage* image, QPoint at, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(image, &move);
}

} // namespace

class TestColourPick : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyButtonSamples_data();
    void everyButtonSamples();
    void doubleClickSamplesTwice();
    void dragSamplesInsideAndOutside();
    void moveWithoutLeftButtonSamplesNothing_data();
    void moveWithoutLeftButtonSamplesNothing();
    void firstSampleMakesWhiteBitmap();
    void sampleLeavesOneTextOnClipboard();
};

void TestColourPick::init() {
    auto* data = new QMimeData;
    data->setImageData(QImage(4, 4, QImage::Format_RGB32));
    data->setHtml(QStringLiteral("<b>old</b>"));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TestColourPick::everyButtonSamples_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<TColor>("expected");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("left on red") << Qt::LeftButton << QPoint(3, 3) << rgbColor(255, 0, 0)
                                 << "RGB:255,0,0"
                                 << "#ff0000";
    QTest::newRow("right on green")
        << Qt::RightButton << QPoint(15, 3) << rgbColor(0, 255, 0) << "RGB:0,255,0"
        << "#00ff00";
    QTest::newRow("middle on blue")
        << Qt::MiddleButton << QPoint(3, 15) << rgbColor(0, 0, 255) << "RGB:0,0,255"
        << "#0000ff";
    QTest::newRow("left on black, last pixel")
        << Qt::LeftButton << QPoint(19, 19) << TColor{0} << "RGB:0,0,0"
        << "#000000";
}

void TestColourPick::everyButtonSamples() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(TColor, expected);
    QFETCH(QString, readout);
    QFETCH(QString, clipboard);
    FormFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    PickedColor = 0x12345678;
    QTest::mouseClick(f.form->windowHandle(), button, {}, f.onImage1(at.x(), at.y()));
    QCOMPARE(PickedColor, expected);
    QCOMPARE(f.label1()->text(), readout);
    QCOMPARE(f.label1()->size(), f.label1()->sizeHint());
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QVERIFY(swatchIsAll(f.image2(), toQColor(expected).rgb()));
}

void TestColourPick::doubleClickSamplesTwice() {
    FormFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    QSignalSpy downs(f.image1(), &TImage::OnMouseDown);
    QSignalSpy texts(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QTest::mouseDClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(2, 2));
    QCOMPARE(texts.count(), 2);
    QCOMPARE(downs.count(), 2);
    QVERIFY(downs.at(1).at(2).value<TShiftState>().testFlag(ssDouble));
}

void TestColourPick::dragSamplesInsideAndOutside() {
    FormFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    QWindow* window = f.form->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, f.onImage1(2, 2));
    QCOMPARE(PickedColor, rgbColor(255, 0, 0));
    QTest::mouseMove(window, f.onImage1(15, 15));
    QCOMPARE(PickedColor, TColor{0});
    // Left of the image and over the label's row: the capture keeps the moves on Image1.
    QTest::mouseMove(window, f.onImage1(-3, 5));
    QCOMPARE(PickedColor, CLR_INVALID);
    QCOMPARE(f.label1()->text(), QStringLiteral("RGB:255,255,255"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#ffffff"));
    QVERIFY(swatchIsAll(f.image2(), qRgb(255, 255, 255)));
    QTest::mouseMove(window, f.onImage1(15, 3));
    QCOMPARE(PickedColor, rgbColor(0, 255, 0));
    QTest::mouseRelease(window, Qt::LeftButton, {}, f.onImage1(15, 3));
}

void TestColourPick::moveWithoutLeftButtonSamplesNothing_data() {
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::newRow("no button") << Qt::MouseButtons(Qt::NoButton);
    QTest::newRow("right button") << Qt::MouseButtons(Qt::RightButton);
    QTest::newRow("middle button") << Qt::MouseButtons(Qt::MiddleButton);
}

void TestColourPick::moveWithoutLeftButtonSamplesNothing() {
    QFETCH(Qt::MouseButtons, held);
    FormFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    QSignalSpy texts(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    sendMove(f.image1(), QPoint(3, 3), held);
    QCOMPARE(texts.count(), 0);
    QCOMPARE(f.label1()->text(), QStringLiteral("RGB:"));
    QCOMPARE(PickedColor, TColor{0});
    // The left button held alongside counts.
    sendMove(f.image1(), QPoint(3, 3), held | Qt::LeftButton);
    QCOMPARE(PickedColor, rgbColor(255, 0, 0));
}

void TestColourPick::firstSampleMakesWhiteBitmap() {
    FormFixture f;
    const QSize designed = f.image1()->size();
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(5, 5));
    QVERIFY(f.image1()->hasPicture());
    const QImage picture = f.image1()->Canvas();
    QCOMPARE(picture.size(), designed);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QCOMPARE(picture.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(picture.pixel(designed.width() - 1, designed.height() - 1), qRgb(255, 255, 255));
    QCOMPARE(PickedColor, rgbColor(255, 255, 255));
    QCOMPARE(f.image1()->size(), designed);
}

void TestColourPick::sampleLeavesOneTextOnClipboard() {
    FormFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(3, 3));
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(held->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(held->text(), QStringLiteral("#ff0000"));
}

LUMVEX_WIDGET_TEST_MAIN(TestColourPick)
#include "tst_colour_pick.moc"
