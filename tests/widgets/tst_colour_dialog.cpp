// Runs Qt's real colour chooser through TColorDialog; XDG_CONFIG_HOME points at a scratch
// folder (set by the test registration) standing in for the user's settings.
#include "platform/color_conversion.h"
#include "platform/tcolordialog.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/test_application.h"

#include <QColorDialog>
#include <QDir>
#include <QDirIterator>

namespace {

// Answers the next chooser: defines a custom colour, picks `chosen` and confirms.
void confirmNextChooser(QColor chosen, QColor custom) {
    whenModalAppears([chosen, custom](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        QVERIFY(dialog);
        QColorDialog::setCustomColor(0, custom);
        dialog->setCurrentColor(chosen);
        dialog->accept();
    });
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

class TestColourDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively(); }
    void customColoursLastTheRunAndAreNotSaved();
    void cancelKeepsTheColour();
};

void TestColourDialog::customColoursLastTheRunAndAreNotSaved() {
    const QString userSettings = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!userSettings.isEmpty());
    TColorDialog dialog;
    QCOMPARE(QColorDialog::customColor(0), QColor(Qt::white)); // empty
    confirmNextChooser(QColor(10, 20, 30), QColor(200, 100, 50));
    QVERIFY(dialog.Execute());
    QCOMPARE(dialog.Color(), rgbColor(10, 20, 30));
    QCOMPARE(QColorDialog::customColor(0), QColor(200, 100, 50));
    QCOMPARE(filesUnder(userSettings), QStringList());
}

void TestColourDialog::cancelKeepsTheColour() {
    TColorDialog dialog;
    confirmNextChooser(QColor(1, 2, 3), QColor(Qt::white));
    QVERIFY(dialog.Execute());
    whenModalAppears([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QVERIFY(!dialog.Execute());
    QCOMPARE(dialog.Color(), rgbColor(1, 2, 3));
}

LUMVEX_WIDGET_TEST_MAIN(TestColourDialog)
#include "tst_colour_dialog.moc"
