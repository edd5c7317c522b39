#include "core/sample_text.h"

#include <QTest>

class TestSampleText : public QObject {
    Q_OBJECT
private slots:
    void channels_data();
    void channels();
    void readout_data();
    void readout();
    void clipboardText_data();
    void clipboardText();
};

void TestSampleText::channels_data() {
    QTest::addColumn<TColor>("color");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("pure red") << TColor{0x0000FF} << 255 << 0 << 0;
    QTest::newRow("pure green") << TColor{0x00FF00} << 0 << 255 << 0;
    QTest::newRow("pure blue") << TColor{0xFF0000} << 0 << 0 << 255;
    QTest::newRow("mixed") << TColor{0x000A05} << 5 << 10 << 0;
    QTest::newRow("high byte ignored") << TColor{0x12345678} << 0x78 << 0x56 << 0x34;
    QTest::newRow("invalid reads as white") << CLR_INVALID << 255 << 255 << 255;
}

void TestSampleText::channels() {
    QFETCH(TColor, color);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(redOf(color), red);
    QCOMPARE(greenOf(color), green);
    QCOMPARE(blueOf(color), blue);
    QCOMPARE(rgbColor(red, green, blue), visibleColor(color));
}

void TestSampleText::readout_data() {
    QTest::addColumn<TColor>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << TColor{0} << "RGB:0,0,0";
    QTest::newRow("pure red") << rgbColor(255, 0, 0) << "RGB:255,0,0";
    QTest::newRow("no leading zeros") << rgbColor(5, 10, 0) << "RGB:5,10,0";
    QTest::newRow("outside the image") << CLR_INVALID << "RGB:255,255,255";
}

void TestSampleText::readout() {
    QFETCH(TColor, color);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(readoutText(color)), text);
}

void TestSampleText::clipboardText_data() {
    QTest::addColumn<TColor>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << TColor{0} << "#000000";
    QTest::newRow("pure red") << rgbColor(255, 0, 0) << "#ff0000";
    QTest::newRow("lower-case two digits each") << rgbColor(5, 171, 0x1F) << "#05ab1f";
    QTest::newRow("outside the image") << CLR_INVALID << "#ffffff";
}

void TestSampleText::clipboardText() {
    QFETCH(TColor, color);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(sampleClipboardText(color)), text);
}

QTEST_APPLESS_MAIN(TestSampleText)
#include "tst_sample_text.moc"
