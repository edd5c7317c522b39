#include "core/error_text.h"

#include <QTest>

class TestErrorText : public QObject {
    Q_OBJECT
private slots:
    void text_data();
    void text();
};

void TestErrorText::text_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no full stop gets one") << "ｼｽﾃﾑ ﾘｿｰｽが足りません"
                                           << "ｼｽﾃﾑ ﾘｿｰｽが足りません.";
    QTest::newRow("a full stop gets another") << "Disk full."
                                              << "Disk full..";
    QTest::newRow("empty message") << ""
                                   << ".";
}

void TestErrorText::text() {
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(errorBoxText(message.toStdString())), expected);
}

QTEST_APPLESS_MAIN(TestErrorText)
#include "tst_error_text.moc"
