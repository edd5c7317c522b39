#include "platform/exceptions.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/form_fixture.h"
#include "tests/support/image_bytes.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_chooser.h"
#include "tests/support/test_application.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

const QString png = QStringLiteral("image/png");

QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return image;
}

// Presses the next error box's OK button and gives back its text.
void expectErrorBox(QString& text) {
    whenModalAppears([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

QString messageOf(const Exception& error) {
    return QString::fromStdString(error.what()) + ".";
}

} // namespace

class TestClipboardExchange : public QObject {
    Q_OBJECT
private slots:
    void startupPasteTakesTheBitmap();
    void pasteGrowsThenShrinks();
    void withoutBitmapPasteDoesNothing_data();
    void withoutBitmapPasteDoesNothing();
    void unusableBitmapFailsAndKeepsImage_data();
    void unusableBitmapFailsAndKeepsImage();
    void startupFailureEndsConstruction();
    void copyReplacesSampleText();
    void sampleReplacesCopiedImage();
    void copyRefusedReportsAndKeepsTitle();
    void copyWithoutPictureEmptiesClipboard();
    void pasteNeverChangesTitle();
};

void TestClipboardExchange::startupPasteTakesTheBitmap() {
    FakeClipboardScope clipboard;
    const QImage image = gradient(300, 200);
    clipboard.state.content = {{png, encoded(image)}, {"text/plain", "also text"}};
    const auto before = clipboard.state.content;
    FormFixture f;
    const QPoint designedTopLeft = f.image1()->pos();
    QCOMPARE(f.image1()->size(), QSize(300, 200));
    QCOMPARE(f.image1()->pos(), designedTopLeft);
    QCOMPARE(f.image1()->Canvas(), image);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("lumvex"));
    QCOMPARE(f.label1()->text(), QStringLiteral("RGB:"));
    QVERIFY(!f.image2()->hasPicture());
    QCOMPARE(clipboard.state.content, before);
    QCOMPARE(clipboard.state.reads, 1);
}

void TestClipboardExchange::pasteGrowsThenShrinks() {
    FakeClipboardScope clipboard;
    FormFixture f;
    const QPoint topLeft = f.image1()->pos();
    clipboard.state.content = {{png, encoded(gradient(300, 200))}};
    f.button("Button1")->click();
    QCOMPARE(f.image1()->geometry(), QRect(topLeft, QSize(300, 200)));
    clipboard.state.content = {{png, encoded(gradient(40, 30))}};
    f.button("Button1")->click();
    QCOMPARE(f.image1()->geometry(), QRect(topLeft, QSize(40, 30)));
    QCOMPARE(f.image1()->Canvas(), gradient(40, 30));
}

void TestClipboardExchange::withoutBitmapPasteDoesNothing_data() {
    QTest::addColumn<QStringList>("formats");
    QTest::newRow("empty clipboard") << QStringList{};
    QTest::newRow("text only") << QStringList{"text/plain"};
    QTest::newRow("unreadable image format") << QStringList{"image/webp"};
}

void TestClipboardExchange::withoutBitmapPasteDoesNothing() {
    QFETCH(QStringList, formats);
    FakeClipboardScope clipboard;
    for (const QString& format : formats)
        clipboard.state.content.insert(format, "something");
    FormFixture f;
    f.button("Button1")->click();
    QVERIFY(!f.image1()->hasPicture());
    QCOMPARE(clipboard.state.reads, 0);
}

void TestClipboardExchange::unusableBitmapFailsAndKeepsImage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("refuseReads");
    QTest::addColumn<QString>("message");
    const QString invalid = messageOf(EInvalidGraphic());
    const QByteArray whole = encoded(gradient(50, 50));
    QTest::newRow("corrupt data") << QByteArray("\x89PNG garbage") << false << invalid;
    QTest::newRow("truncated png") << whole.left(whole.size() - 30) << false << invalid;
    QTest::newRow("owner refuses the data") << whole << true << invalid;
    QTest::newRow("larger than can be held")
        << pngHeaderDeclaring(60000, 60000) << false << messageOf(EOutOfResources());
}

void TestClipboardExchange::unusableBitmapFailsAndKeepsImage() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, refuseReads);
    QFETCH(QString, message);
    FakeClipboardScope clipboard;
    clipboard.state.content = {{png, encoded(gradient(30, 20))}};
    FormFixture f;
    clipboard.state.content = {{png, bytes}};
    clipboard.state.refuseReads = refuseReads;
    QString shown;
    expectErrorBox(shown);
    f.button("Button1")->click();
    QCOMPARE(shown, message);
    QCOMPARE(f.image1()->Canvas(), gradient(30, 20));
    QCOMPARE(f.image1()->size(), QSize(30, 20));
}

void TestClipboardExchange::startupFailureEndsConstruction() {
    FakeClipboardScope clipboard;
    clipboard.state.content = {{png, QByteArray("not a png")}};
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, TForm1 form);
}

void TestClipboardExchange::copyReplacesSampleText() {
    FakeClipboardScope clipboard;
    clipboard.state.content = {{png, encoded(gradient(64, 48))}};
    FormFixture f;
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(20, 30));
    QCOMPARE(clipboard.state.content.keys(), QStringList{"text/plain"});
    f.button("BtnCopy")->click();
    QCOMPARE(clipboard.state.content.keys(), QStringList{png});
    QCOMPARE(
        QImage::fromData(clipboard.state.content.value(png)).convertToFormat(QImage::Format_RGB32),
        gradient(64, 48));
    QCOMPARE(f.form->windowTitle(), QStringLiteral("lumvex - Copyed"));
    // Paste after Copy gives back an identical working image.
    f.button("Button1")->click();
    QCOMPARE(f.image1()->Canvas(), gradient(64, 48));
}

void TestClipboardExchange::sampleReplacesCopiedImage() {
    FakeClipboardScope clipboard;
    FormFixture f;
    f.button("BtnCopy")->click();
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(5, 5));
    f.button("BtnCopy")->click(); // the white bitmap the sample made
    QCOMPARE(clipboard.state.content.keys(), QStringList{png});
    const QImage copied = QImage::fromData(clipboard.state.content.value(png));
    QCOMPARE(copied.size(), f.image1()->size());
    QCOMPARE(copied.pixel(0, 0), qRgb(255, 255, 255));
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, f.onImage1(5, 5));
    QCOMPARE(clipboard.state.content.keys(), QStringList{"text/plain"});
    QCOMPARE(clipboard.state.content.value("text/plain"), QByteArray("#ffffff"));
}

void TestClipboardExchange::copyRefusedReportsAndKeepsTitle() {
    FakeClipboardScope clipboard;
    clipboard.state.content = {{png, encoded(gradient(10, 10))}};
    FormFixture f;
    clipboard.state.refuseWrites = true;
    QString shown;
    expectErrorBox(shown);
    f.button("BtnCopy")->click();
    QCOMPARE(shown, messageOf(EClipboardException()));
    QCOMPARE(f.form->windowTitle(), QStringLiteral("lumvex"));
    QCOMPARE(f.image1()->Canvas(), gradient(10, 10));
}

void TestClipboardExchange::copyWithoutPictureEmptiesClipboard() {
    FakeClipboardScope clipboard;
    FormFixture f;
    clipboard.state.content = {{"text/plain", "from another program"}};
    f.button("BtnCopy")->click();
    QVERIFY(clipboard.state.content.isEmpty());
    QVERIFY(!f.image1()->hasPicture());
    QCOMPARE(f.form->windowTitle(), QStringLiteral("lumvex - Copyed"));
}

void TestClipboardExchange::pasteNeverChangesTitle() {
    FakeClipboardScope clipboard;
    clipboard.state.content = {{png, encoded(gradient(10, 10))}};
    FormFixture f;
    ScriptedChooser chooser;
    chooser.install(f.get<TColorDialog>("ColorDialog1"));
    chooser.answers = {TColor{0xFF}};
    f.button("Button2")->click();
    QCOMPARE(f.form->windowTitle(), QStringLiteral("brenip - OK"));
    clipboard.state.content = {{png, encoded(gradient(20, 20))}};
    f.button("Button1")->click();
    QCOMPARE(f.form->windowTitle(), QStringLiteral("brenip - OK"));
    QCOMPARE(f.image1()->size(), QSize(20, 20));
}

LUMVEX_WIDGET_TEST_MAIN(TestClipboardExchange)
#include "tst_clipboard_exchange.moc"
