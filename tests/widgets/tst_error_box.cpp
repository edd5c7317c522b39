#include "platform/exceptions.h"
#include "platform/tbutton.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/test_application.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
};

// Records the next error box and presses its OK button.
void acceptNextBox(SeenBox& seen) {
    whenModalAppears([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->windowModality()};
        box->button(QMessageBox::Ok)->click();
    });
}

// A widget whose event handling itself throws, outside any component's guard.
class ThrowingWidget : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override { throw EInvalidGraphic(); }
};

} // namespace

class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void handlerExceptionShowsBox_data();
    void handlerExceptionShowsBox();
    void exceptionOutsideHandlersIsCaughtAroundDispatch();
    void entryReportsFailureInExitCode_data();
    void entryReportsFailureInExitCode();
};

void TestErrorBox::handlerExceptionShowsBox_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("platform message gets a full stop")
        << QString::fromStdString(EOutOfResources().what())
        << QStringLiteral("ｼｽﾃﾑ ﾘｿｰｽが足りません.");
    QTest::newRow("final full stop gets a second") << "Stopped."
                                                   << "Stopped..";
}

void TestErrorBox::handlerExceptionShowsBox() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    TButton button;
    QObject::connect(&button, &TButton::OnClick, &button,
                     [&](TButton*) { throw Exception(message.toStdString()); });
    button.show();
    SeenBox seen;
    acceptNextBox(seen);
    button.click();
    QCOMPARE(seen.text, shown);
    QCOMPARE(seen.caption, TApplication::current()->Title());
    QCOMPARE(seen.caption, QStringLiteral("tst_error_box"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    // The program goes on: the button still works.
    SeenBox again;
    acceptNextBox(again);
    button.click();
    QCOMPARE(again.text, shown);
}

void TestErrorBox::exceptionOutsideHandlersIsCaughtAroundDispatch() {
    ThrowingWidget widget;
    widget.show();
    SeenBox seen;
    acceptNextBox(seen);
    QTest::keyClick(&widget, Qt::Key_A);
    QCOMPARE(seen.text, QStringLiteral("未対応のｸﾘｯﾌﾟﾎﾞｰﾄﾞ ﾃﾞｰﾀです."));
}

void TestErrorBox::entryReportsFailureInExitCode_data() {
    QTest::addColumn<bool>("fails");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("steps succeed") << false << 0;
    QTest::newRow("a step throws") << true << 1;
}

void TestErrorBox::entryReportsFailureInExitCode() {
    QFETCH(bool, fails);
    QFETCH(int, exitCode);
    SeenBox seen;
    if (fails)
        acceptNextBox(seen);
    bool laterStepRan = false;
    const int result = TApplication::current()->RunGuarded([&] {
        if (fails)
            throw EOutOfResources();
        laterStepRan = true;
    });
    QCOMPARE(result, exitCode);
    QCOMPARE(laterStepRan, !fails);
    QCOMPARE(seen.text.isEmpty(), !fails);
}

LUMVEX_WIDGET_TEST_MAIN(TestErrorBox)
#include "tst_error_box.moc"
