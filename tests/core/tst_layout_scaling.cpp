#include "core/layout_scaling.h"

#include <QTest>

Q_DECLARE_METATYPE(Bounds)

class TestLayoutScaling : public QObject {
    Q_OBJECT
private slots:
    void fontHeight_data();
    void fontHeight();
    void bounds_data();
    void bounds();
};

void TestLayoutScaling::fontHeight_data() {
    QTest::addColumn<int>("screenPpi");
    QTest::addColumn<int>("expected");
    QTest::newRow("96 dpi keeps -12") << 96 << -12;
    QTest::newRow("120 dpi gives -15") << 120 << -15;
    QTest::newRow("144 dpi gives -18") << 144 << -18;
    QTest::newRow("100 dpi rounds half away from zero") << 100 << -13;
    QTest::newRow("72 dpi gives -9") << 72 << -9;
}

void TestLayoutScaling::fontHeight() {
    QFETCH(int, screenPpi);
    QFETCH(int, expected);
    QCOMPARE(scaledFontHeight(-12, screenPpi), expected);
}

void TestLayoutScaling::bounds_data() {
    QTest::addColumn<Bounds>("designed");
    QTest::addColumn<int>("measured");
    QTest::addColumn<Bounds>("expected");
    const Bounds image1{0, 24, 105, 105};
    QTest::newRow("height 12: nothing moves") << image1 << 12 << image1;
    QTest::newRow("height 15: Image1 at (0, 30), 131x131")
        << image1 << 15 << Bounds{0, 30, 131, 131};
    QTest::newRow("substituted face of 13") << image1 << 13 << Bounds{0, 26, 114, 114};
    QTest::newRow("swatch by 13/12: edges round separately")
        << Bounds{80, 4, 16, 16} << 13 << Bounds{87, 4, 17, 18};
    QTest::newRow("Copy button by 15/12") << Bounds{283, 0, 70, 25} << 15 << Bounds{354, 0, 87, 31};
}

void TestLayoutScaling::bounds() {
    QFETCH(Bounds, designed);
    QFETCH(int, measured);
    QFETCH(Bounds, expected);
    QCOMPARE(scaledBounds(designed, measured), expected);
}

QTEST_APPLESS_MAIN(TestLayoutScaling)
#include "tst_layout_scaling.moc"
