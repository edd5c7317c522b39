#include "platform/canvas_grid.h"
#include "platform/color_conversion.h"
#include "platform/image_replace.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

namespace {

const std::vector<QRgb> inks{qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(254, 0, 0),
                             qRgb(12, 34, 56)};

// RGB32 rows padded beyond their width, so that stride and width differ.
QImage paddedRgb(int width, int height, std::vector<uchar>& storage) {
    const int bytesPerLine = (width + 3) * 4;
    storage.assign(static_cast<std::size_t>(bytesPerLine * std::max(height, 1)), 0xAB);
    return QImage(storage.data(), width, height, bytesPerLine, QImage::Format_RGB32);
}

void paint(QImage& image, int matchPercent, QRgb match, QRandomGenerator& random) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool hit = static_cast<int>(random.bounded(100)) < matchPercent;
            const QRgb other = inks[1 + random.bounded(static_cast<int>(inks.size()) - 1)];
            const QRgb ink = hit ? match : (other == match ? inks[2] : other);
            if (image.format() == QImage::Format_Mono)
                image.setPixel(x, y, image.colorTable().indexOf(ink) == 1 ? 1 : 0);
            else
                image.setPixel(x, y, ink);
        }
    }
}

} // namespace

class TestImageReplace : public QObject {
    Q_OBJECT
private slots:
    void fastScanMatchesPerPixelScan_data();
    void fastScanMatchesPerPixelScan();
    void writesNothingBeyondTheRows();
};

void TestImageReplace::fastScanMatchesPerPixelScan_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("twoColour");
    QTest::addColumn<int>("matchPercent");
    QTest::addColumn<TColor>("picked");
    QTest::addColumn<TColor>("replacement");
    const TColor red = rgbColor(255, 0, 0);
    const TColor black = 0;
    const TColor blue = rgbColor(0, 0, 255);
    struct Shape {
        const char* name;
        QSize size;
    };
    const Shape shapes[] = {{"0x0", {0, 0}},         {"1xN", {1, 257}},   {"Nx1", {4099, 1}},
                            {"odd width", {37, 23}}, {"wide", {4100, 3}}, {"square", {64, 64}}};
    for (const Shape& shape : shapes) {
        const QByteArray name(shape.name);
        QTest::newRow(name + " rgb none") << shape.size << false << 0 << red << blue;
        QTest::newRow(name + " rgb scattered") << shape.size << false << 50 << red << blue;
        QTest::newRow(name + " rgb all") << shape.size << false << 100 << red << blue;
        QTest::newRow(name + " rgb same colour") << shape.size << false << 50 << red << red;
        QTest::newRow(name + " rgb invalid") << shape.size << false << 50 << CLR_INVALID << blue;
        QTest::newRow(name + " mono scattered") << shape.size << true << 50 << black << blue;
        QTest::newRow(name + " mono all to white")
            << shape.size << true << 100 << black << rgbColor(250, 250, 250);
        QTest::newRow(name + " mono invalid") << shape.size << true << 50 << CLR_INVALID << red;
    }
}

void TestImageReplace::fastScanMatchesPerPixelScan() {
    QFETCH(QSize, size);
    QFETCH(bool, twoColour);
    QFETCH(int, matchPercent);
    QFETCH(TColor, picked);
    QFETCH(TColor, replacement);
    QRandomGenerator random(
        static_cast<quint32>(size.width() * 131 + size.height() + matchPercent));
    std::vector<uchar> storage;
    QImage original = twoColour ? QImage(size, QImage::Format_Mono)
                                : paddedRgb(size.width(), size.height(), storage);
    if (twoColour)
        original.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    paint(original, matchPercent, toQColor(visibleColor(picked)).rgb(), random);

    QImage fast = original.copy();
    QImage reference = original.copy();
    const TickSource clock = [] { return 0u; };
    replaceColorInImage(fast, picked, replacement, clock, [](int) {});
    CanvasGrid grid(reference);
    replaceColorPerPixel(grid, picked, replacement, clock, [](int) {});
    QCOMPARE(fast.format(), original.format());
    QCOMPARE(fast, reference);
}

void TestImageReplace::writesNothingBeyondTheRows() {
    std::vector<uchar> storage;
    QImage image = paddedRgb(5, 4, storage);
    image.fill(qRgb(255, 0, 0));
    replaceColorInImage(
        image, rgbColor(255, 0, 0), 0, [] { return 0u; }, [](int) {});
    for (int y = 0; y < 4; ++y) {
        const uchar* padding = storage.data() + y * image.bytesPerLine() + 5 * 4;
        QVERIFY(std::all_of(padding, padding + 12, [](uchar byte) { return byte == 0xAB; }));
    }
    QCOMPARE(image.pixel(4, 3), qRgb(0, 0, 0));
}

QTEST_APPLESS_MAIN(TestImageReplace)
#include "tst_image_replace.moc"
