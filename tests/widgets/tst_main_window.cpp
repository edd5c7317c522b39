#include "core/layout_scaling.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_application.h"

#include <QAccessible>
#include <QFontInfo>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

Q_DECLARE_METATYPE(Qt::Key)

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsAsDesigned();
    void fontFitsTheScreen();
    void componentsAtScaledBounds_data();
    void componentsAtScaledBounds();
    void creationOrderPutsButtonsOnTop();
    void buttonCoversImageTopRow();
    void focusMoves_data();
    void focusMoves();
    void keysPressFocusedButton_data();
    void keysPressFocusedButton();
    void autoScrollReachesLargePicture();
    void narrowWindowScrollsAndMovesNothing();
    void closingEndsTheLoop();
    void everyControlIsNamedForScreenReaders_data();
    void everyControlIsNamedForScreenReaders();
};

void TestMainWindow::startsAsDesigned() {
    FormFixture f;
    QCOMPARE(f.form->windowTitle(), QStringLiteral("lumvex"));
    QCOMPARE(f.form->frameGeometry(), QRect(176, 136, 435, 300));
    QCOMPARE(f.label1()->text(), QStringLiteral("RGB:"));
    QVERIFY(!f.image1()->hasPicture());
    QVERIFY(!f.image2()->hasPicture());
    QVERIFY(f.image1()->AutoSize());
    QVERIFY(!f.image2()->AutoSize());
    QCOMPARE(QApplication::focusWidget(), f.button("Button1"));
    QCOMPARE(f.button("Button1")->text(), QStringLiteral("Paste"));
    QCOMPARE(f.button("Button2")->text(), QStringLiteral("Replace"));
    QCOMPARE(f.button("BtnCopy")->text(), QStringLiteral("Copy"));
    QVERIFY(f.form->findChild<QObject*>(QStringLiteral("ColorDialog1")));
}

void TestMainWindow::fontFitsTheScreen() {
    FormFixture f;
    // The designed face, or its stand-in where the system lacks it; never a Latin-only face.
    const QString face = QFontInfo(f.form->font()).family();
    QVERIFY2(face == QStringLiteral("ＭＳ Ｐゴシック") || face == QStringLiteral("IPAPGothic"),
             qPrintable(face));
    const int ppi = qRound(f.form->screen()->logicalDotsPerInchY());
    QCOMPARE(f.form->font().pixelSize(), -scaledFontHeight(-12, ppi));
    QCOMPARE(f.form->measuredTextHeight(), QFontMetrics(f.form->font()).height());
    QCOMPARE(f.label1()->font(), f.form->font());
}

void TestMainWindow::componentsAtScaledBounds_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("designed");
    QTest::newRow("Image1") << "Image1" << QRect(0, 24, 105, 105);
    QTest::newRow("Image2") << "Image2" << QRect(80, 4, 16, 16);
    QTest::newRow("Button1") << "Button1" << QRect(0, 0, 75, 25);
    QTest::newRow("Button2") << "Button2" << QRect(208, 0, 75, 25);
    QTest::newRow("BtnCopy") << "BtnCopy" << QRect(283, 0, 70, 25);
}

void TestMainWindow::componentsAtScaledBounds() {
    QFETCH(QString, name);
    QFETCH(QRect, designed);
    FormFixture f;
    const int measured = f.form->measuredTextHeight();
    QVERIFY(measured > 0);
    const Bounds expected =
        scaledBounds({designed.x(), designed.y(), designed.width(), designed.height()}, measured);
    auto* component = f.get<QWidget>(name.toLatin1().constData());
    QCOMPARE(component->geometry(),
             QRect(expected.left, expected.top, expected.width, expected.height));
}

void TestMainWindow::creationOrderPutsButtonsOnTop() {
    FormFixture f;
    QStringList names;
    for (QObject* child : f.image1()->parentWidget()->children())
        names << child->objectName();
    QCOMPARE(names, (QStringList{"Image1", "Image2", "Label1", "Button1", "Button2", "BtnCopy"}));
    // Label1 keeps its left edge and takes the width of its text.
    const Bounds label = scaledBounds({101, 5, 26, 12}, f.form->measuredTextHeight());
    QCOMPARE(f.label1()->x(), label.left);
    QCOMPARE(f.label1()->width(), f.label1()->sizeHint().width());
}

void TestMainWindow::buttonCoversImageTopRow() {
    FormFixture f;
    f.image1()->setPicture({quadrantPicture().scaled(300, 200), {}});
    QSignalSpy clicks(f.button("Button1"), &TButton::OnClick);
    QSignalSpy replaceClicks(f.button("Button2"), &TButton::OnClick);
    QSignalSpy samples(f.image1(), &TImage::OnMouseDown);
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(10, 0));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(samples.count(), 0);
    QCOMPARE(f.label1()->text(), QStringLiteral("RGB:"));
    // Between the buttons the first row belongs to the image.
    const int gap = f.button("Button1")->geometry().right() + 5;
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(gap, 0));
    QCOMPARE(samples.count(), 1);
    QCOMPARE(replaceClicks.count(), 0);
}

void TestMainWindow::focusMoves_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Tab") << QList<int>{Qt::Key_Tab} << "Button2";
    QTest::newRow("Tab twice") << QList<int>{Qt::Key_Tab, Qt::Key_Tab} << "BtnCopy";
    QTest::newRow("Tab wraps") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab} << "Button1";
    QTest::newRow("Shift+Tab wraps back") << QList<int>{Qt::Key_Backtab} << "BtnCopy";
    QTest::newRow("Right") << QList<int>{Qt::Key_Right} << "Button2";
    QTest::newRow("Down twice") << QList<int>{Qt::Key_Down, Qt::Key_Down} << "BtnCopy";
    QTest::newRow("Right wraps") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
                                 << "Button1";
    QTest::newRow("Left wraps back") << QList<int>{Qt::Key_Left} << "BtnCopy";
    QTest::newRow("Up after Tab") << QList<int>{Qt::Key_Tab, Qt::Key_Up} << "Button1";
}

void TestMainWindow::focusMoves() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, focused);
    FormFixture f;
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

void TestMainWindow::keysPressFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 0;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 0;
    QTest::newRow("Alt+P, no shortcut") << int(Qt::Key_P) << int(Qt::AltModifier) << 0;
}

void TestMainWindow::keysPressFocusedButton() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    FormFixture f;
    // Copy opens no modal window, so the press can be counted directly.
    QTest::keyClick(f.button("Button1"), Qt::Key_Backtab);
    auto* copy = f.button("BtnCopy");
    QCOMPARE(QApplication::focusWidget(), copy);
    QSignalSpy spy(copy, &TButton::OnClick);
    QTest::keyClick(copy, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), clicks);
}

void TestMainWindow::autoScrollReachesLargePicture() {
    FormFixture f;
    const QPoint topLeft = f.image1()->pos();
    f.image1()->setPicture({QImage(600, 500, QImage::Format_RGB32), {}});
    QCOMPARE(f.image1()->pos(), topLeft);
    QCOMPARE(f.image1()->size(), QSize(600, 500));
    QTRY_VERIFY(f.form->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(f.form->verticalScrollBar()->isVisible());
    // Scrolling moves every component, the buttons included.
    const QPoint buttonBefore = f.button("Button1")->mapTo(f.form.get(), QPoint(0, 0));
    f.form->verticalScrollBar()->setValue(50);
    const QPoint buttonAfter = f.button("Button1")->mapTo(f.form.get(), QPoint(0, 0));
    QCOMPARE(buttonAfter.y(), buttonBefore.y() - 50);
    // A smaller picture shrinks Image1 and the bars go.
    f.image1()->setPicture({QImage(40, 30, QImage::Format_RGB32), {}});
    QCOMPARE(f.image1()->size(), QSize(40, 30));
    QCOMPARE(f.image1()->pos(), topLeft);
    QTRY_VERIFY(!f.form->verticalScrollBar()->isVisible());
    // A horizontal bar stays only where the buttons themselves reach past the window.
    const int contentWidth = f.button("BtnCopy")->geometry().right() + 1;
    QTRY_COMPARE(f.form->horizontalScrollBar()->isVisible(), contentWidth > f.form->width());
}

void TestMainWindow::narrowWindowScrollsAndMovesNothing() {
    FormFixture f;
    QList<QRect> before;
    const auto components = f.image1()->parentWidget()->findChildren<QWidget*>();
    for (QWidget* component : components)
        before << component->geometry();
    const int copyRight = f.button("BtnCopy")->geometry().right() + 1;
    f.form->resize(copyRight - 10, 300);
    QTRY_VERIFY(f.form->horizontalScrollBar()->isVisible());
    f.form->resize(copyRight + 40, 300);
    QTRY_VERIFY(!f.form->horizontalScrollBar()->isVisible());
    QList<QRect> after;
    for (QWidget* component : components)
        after << component->geometry();
    QCOMPARE(after, before);
}

void TestMainWindow::closingEndsTheLoop() {
    FormFixture f;
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    QVERIFY(f.form->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(f.form->close()); // accepted at once, no question asked
    QVERIFY(!f.form->isVisible());
}

void TestMainWindow::everyControlIsNamedForScreenReaders_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Image1", "Image2", "Label1", "Button1", "Button2", "BtnCopy"})
        QTest::newRow(name) << name;
}

void TestMainWindow::everyControlIsNamedForScreenReaders() {
    QFETCH(QString, name);
    FormFixture f;
    auto* control = f.get<QWidget>(name.toLatin1().constData());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible);
    QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
}

LUMVEX_WIDGET_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
