#include "core/nearest_color.h"

#include <QTest>

#include <vector>

class TestNearestColor : public QObject {
    Q_OBJECT
private slots:
    void nearest_data();
    void nearest();
};

void TestNearestColor::nearest_data() {
    QTest::addColumn<TColor>("color");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact black") << TColor{0} << 0;
    QTest::newRow("exact white") << rgbColor(255, 255, 255) << 1;
    QTest::newRow("dark red is nearer black") << rgbColor(200, 0, 0) << 0;
    QTest::newRow("yellow is nearer white") << rgbColor(255, 255, 0) << 1;
    QTest::newRow("pure red is nearer black") << rgbColor(255, 0, 0) << 0;
}

void TestNearestColor::nearest() {
    QFETCH(TColor, color);
    QFETCH(int, expected);
    const std::vector<TColor> blackWhite{0, rgbColor(255, 255, 255)};
    QCOMPARE(nearestColorIndex(blackWhite, color), expected);
}

QTEST_APPLESS_MAIN(TestNearestColor)
#include "tst_nearest_color.moc"
