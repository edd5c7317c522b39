#include "core/application_title.h"

#include <QTest>

class TestApplicationTitle : public QObject {
    Q_OBJECT
private slots:
    void title_data();
    void title();
};

void TestApplicationTitle::title_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain name") << "/usr/bin/lumvex"
                                << "lumvex";
    QTest::newRow("windows extension") << "C:\\Tools\\lumvex.exe"
                                       << "lumvex";
    QTest::newRow("upper case after the first") << "C:\\MyTool.EXE"
                                                << "Mytool";
    QTest::newRow("cut at the first dot") << "/opt/lumvex.old.exe"
                                          << "lumvex";
    QTest::newRow("first character kept") << "/x/ABC"
                                          << "Abc";
    QTest::newRow("no directory") << "lumvex"
                                  << "lumvex";
    QTest::newRow("mixed separators") << "C:\\a/b\\Tool.bin"
                                      << "Tool";
    QTest::newRow("leading dot leaves nothing") << "/home/u/.hidden"
                                                << "";
}

void TestApplicationTitle::title() {
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(applicationTitle(path.toStdString())), expected);
}

QTEST_APPLESS_MAIN(TestApplicationTitle)
#include "tst_application_title.moc"
