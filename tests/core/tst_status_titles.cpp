#include "core/progress_pacing.h"
#include "core/status_titles.h"

#include <QTest>

class TestStatusTitles : public QObject {
    Q_OBJECT
private slots:
    void percent_data();
    void percent();
    void title();
    void pacing_data();
    void pacing();
};

void TestStatusTitles::percent_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expected");
    QTest::newRow("first row") << 0 << 200 << 0;
    QTest::newRow("row 75 of 200 truncates") << 75 << 200 << 37;
    QTest::newRow("last row never 100") << 199 << 200 << 99;
    QTest::newRow("one row") << 0 << 1 << 0;
    QTest::newRow("tall image, no overflow") << 30000000 << 40000000 << 75;
}

void TestStatusTitles::percent() {
    QFETCH(int, row);
    QFETCH(int, height);
    QFETCH(int, expected);
    QCOMPARE(progressPercent(row, height), expected);
}

void TestStatusTitles::title() {
    QCOMPARE(QString::fromStdString(progressTitle(37)), QStringLiteral("brenip - 37%"));
    QCOMPARE(QString::fromStdString(progressTitle(0)), QString::fromLatin1(kReplaceStartedTitle));
}

void TestStatusTitles::pacing_data() {
    QTest::addColumn<quint32>("last");
    QTest::addColumn<quint32>("now");
    QTest::addColumn<bool>("due");
    QTest::newRow("just started") << 5000u << 5000u << false;
    QTest::newRow("exactly the interval") << 5000u << 6000u << false;
    QTest::newRow("past the interval") << 5000u << 6001u << true;
    QTest::newRow("near the wrap, not yet") << 0xFFFFFF00u << 0xFFFFFF10u << false;
    QTest::newRow("across the wrap, not yet") << 0xFFFFFF00u << 0x00000100u << false;
    QTest::newRow("across the wrap, past") << 0xFFFFFF00u << 0x000002E9u << true;
}

void TestStatusTitles::pacing() {
    QFETCH(quint32, last);
    QFETCH(quint32, now);
    QFETCH(bool, due);
    QCOMPARE(progressDue(now, last), due);
}

QTEST_APPLESS_MAIN(TestStatusTitles)
#include "tst_status_titles.moc"
