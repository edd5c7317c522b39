#include "platform/clipboard_image.h"
#include "platform/exceptions.h"
#include "tests/support/image_bytes.h"

#include <QTest>

namespace {

QImage sample(QImage::Format format, int width = 7, int height = 5) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 30, y * 50, (x + y) * 10, 255));
    return image.convertToFormat(format);
}

QImage twoColour() {
    QImage mono(9, 4, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    mono.setPixel(3, 1, 1);
    return mono;
}

QImage paletted() {
    QImage indexed(6, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0), qRgb(0, 255, 0)});
    indexed.fill(1);
    indexed.setPixel(0, 0, 2);
    return indexed;
}

} // namespace

class TestClipboardImage : public QObject {
    Q_OBJECT
private slots:
    void choosesMostFaithfulOfferedFormat_data();
    void choosesMostFaithfulOfferedFormat();
    void decodesIntoWorkingFormats_data();
    void decodesIntoWorkingFormats();
    void alphaIsDroppedColoursKept();
    void badDataFails_data();
    void badDataFails();
    void copyKeepsTwoColourAndPalette_data();
    void copyKeepsTwoColourAndPalette();
    void paletteGrowsForNewColours();
};

void TestClipboardImage::choosesMostFaithfulOfferedFormat_data() {
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("text only") << QStringList{"text/plain", "UTF8_STRING"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
    QTest::newRow("png over jpeg") << QStringList{"image/jpeg", "image/png"} << "image/png";
    QTest::newRow("bmp over jpeg") << QStringList{"image/jpeg", "image/bmp"} << "image/bmp";
    QTest::newRow("only unreadable images") << QStringList{"image/webp", "image/avif"} << "";
}

void TestClipboardImage::choosesMostFaithfulOfferedFormat() {
    QFETCH(QStringList, offered);
    QFETCH(QString, chosen);
    QCOMPARE(chooseImageFormat(offered), chosen);
}

void TestClipboardImage::decodesIntoWorkingFormats_data() {
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QString>("mime");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("paletteSize");
    QTest::newRow("rgb png") << sample(QImage::Format_RGB32) << "image/png"
                             << int(QImage::Format_RGB32) << 0;
    QTest::newRow("rgb bmp") << sample(QImage::Format_RGB32) << "image/bmp"
                             << int(QImage::Format_RGB32) << 0;
    QTest::newRow("16-bit channels")
        << sample(QImage::Format_RGBX64) << "image/png" << int(QImage::Format_RGB32) << 0;
    QTest::newRow("grey") << sample(QImage::Format_Grayscale8) << "image/png"
                          << int(QImage::Format_RGB32) << 0;
    QTest::newRow("palette keeps its table")
        << paletted() << "image/png" << int(QImage::Format_RGB32) << 3;
    QTest::newRow("two-colour stays two-colour")
        << twoColour() << "image/png" << int(QImage::Format_Mono) << 0;
    QTest::newRow("two-colour bmp") << twoColour() << "image/bmp" << int(QImage::Format_Mono) << 0;
}

void TestClipboardImage::decodesIntoWorkingFormats() {
    QFETCH(QImage, source);
    QFETCH(QString, mime);
    QFETCH(int, format);
    QFETCH(int, paletteSize);
    const QByteArray bytes = encoded(source, mime == "image/bmp" ? "bmp" : "png");
    const TBitmap bitmap = decodeClipboardImage(bytes, mime);
    QCOMPARE(int(bitmap.pixels.format()), format);
    QCOMPARE(bitmap.pixels.size(), source.size());
    QCOMPARE(bitmap.palette.size(), paletteSize);
    const QImage expected = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(bitmap.pixels.convertToFormat(QImage::Format_RGB32), expected);
}

void TestClipboardImage::alphaIsDroppedColoursKept() {
    QImage translucent(3, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(255, 0, 0, 128));
    translucent.setPixel(1, 0, qRgba(10, 20, 30, 0));
    translucent.setPixel(2, 0, qRgba(1, 2, 3, 255));
    const TBitmap bitmap = decodeClipboardImage(encoded(translucent), "image/png");
    QCOMPARE(bitmap.pixels.format(), QImage::Format_RGB32);
    QCOMPARE(bitmap.pixels.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(bitmap.pixels.pixel(1, 0), qRgb(10, 20, 30));
    QCOMPARE(bitmap.pixels.pixel(2, 0), qRgb(1, 2, 3));
}

void TestClipboardImage::badDataFails_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mime");
    QTest::addColumn<QString>("message");
    const QString invalid = QString::fromStdString(EInvalidGraphic().what());
    const QString tooLarge = QString::fromStdString(EOutOfResources().what());
    const QByteArray png = encoded(sample(QImage::Format_RGB32, 64, 64));
    QTest::newRow("garbage") << QByteArray("not an image at all") << "image/png" << invalid;
    QTest::newRow("truncated png") << png.left(png.size() / 2) << "image/png" << invalid;
    QTest::newRow("header only") << png.left(40) << "image/png" << invalid;
    QTest::newRow("png served as bmp") << png << "image/bmp" << invalid;
    QTest::newRow("png declares 100000x100000")
        << pngHeaderDeclaring(100000, 100000) << "image/png" << tooLarge;
    QTest::newRow("png declares 40000x30000")
        << pngHeaderDeclaring(40000, 30000) << "image/png" << tooLarge;
    QTest::newRow("png declares 64x64, no pixels")
        << pngHeaderDeclaring(64, 64) << "image/png" << invalid;
    QTest::newRow("bmp beyond its reader's limit")
        << bmpHeaderDeclaring(100000, 100000) << "image/bmp" << invalid;
    QTest::newRow("declares zero width") << bmpHeaderDeclaring(0, 10) << "image/bmp" << invalid;
    QTest::newRow("declared but no pixels") << bmpHeaderDeclaring(64, 64) << "image/bmp" << invalid;
}

void TestClipboardImage::badDataFails() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mime);
    QFETCH(QString, message);
    try {
        decodeClipboardImage(bytes, mime);
        QFAIL("decoding did not fail");
    } catch (const Exception& error) {
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
}

void TestClipboardImage::copyKeepsTwoColourAndPalette_data() {
    QTest::addColumn<QImage>("source");
    QTest::addColumn<int>("depth");
    QTest::newRow("rgb") << sample(QImage::Format_RGB32) << 32;
    QTest::newRow("two-colour") << twoColour() << 1;
    QTest::newRow("palette") << paletted() << 8;
}

void TestClipboardImage::copyKeepsTwoColourAndPalette() {
    QFETCH(QImage, source);
    QFETCH(int, depth);
    const TBitmap pasted = decodeClipboardImage(encoded(source), "image/png");
    const QImage copied = QImage::fromData(encodeClipboardImage(pasted), "png");
    QCOMPARE(copied.depth(), depth);
    if (depth == 8)
        QCOMPARE(copied.colorTable(), source.colorTable());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             source.convertToFormat(QImage::Format_RGB32));
}

void TestClipboardImage::paletteGrowsForNewColours() {
    TBitmap bitmap = decodeClipboardImage(encoded(paletted()), "image/png");
    bitmap.pixels.setPixel(5, 2, qRgb(1, 2, 3)); // a colour the palette lacks
    const QImage copied = QImage::fromData(encodeClipboardImage(bitmap), "png");
    QCOMPARE(copied.depth(), 8);
    QCOMPARE(copied.colorTable().mid(0, 3), paletted().colorTable());
    QCOMPARE(copied.pixel(5, 2), qRgb(1, 2, 3));
}

QTEST_APPLESS_MAIN(TestClipboardImage)
#include "tst_clipboard_image.moc"
