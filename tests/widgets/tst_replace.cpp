#include "platform/color_conversion.h"
#include "platform/tick_count.h"
#include "tests/support/form_fixture.h"
#include "tests/support/scripted_chooser.h"
#include "tests/support/test_application.h"

#include <QSignalSpy>

namespace {

constexpr TColor yellow = rgbColor(255, 255, 0);

class ReplaceFixture : public FormFixture {
public:
    ReplaceFixture() { chooser.install(get<TColorDialog>("ColorDialog1")); }

    void replace() { button("Button2")->click(); }
    void sampleAt(int x, int y) {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, onImage1(x, y));
    }
    int pixelsOf(QRgb color) {
        const QImage& picture = image1()->Canvas();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += picture.pixel(x, y) == color;
        return count;
    }
    QStringList titles(const QSignalSpy& spy) const {
        QStringList shown;
        for (const QList<QVariant>& change : spy)
            shown << change.at(0).toString();
        return shown;
    }

    ScriptedChooser chooser;
};

} // namespace

class TestReplace : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setTickSource({}); }
    void cancelChangesNothing();
    void replacesExactMatchesOnly();
    void beforeAnySampleSearchesBlack();
    void outsideSampleChangesNothing();
    void secondReplaceFindsNothingLeft();
    void chooserOpensOnLastConfirmedColour();
    void titlesFollowTheClock();
    void twoColourImageTakesNearestColour();
};

void TestReplace::cancelChangesNothing() {
    ReplaceFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    f.sampleAt(3, 3);
    QSignalSpy titles(f.form.get(), &QWidget::windowTitleChanged);
    f.chooser.answers = {std::nullopt};
    f.replace();
    QCOMPARE(titles.count(), 0);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("lumvex"));
    QCOMPARE(f.image1()->Canvas(), quadrantPicture());
    QCOMPARE(PickedColor, rgbColor(255, 0, 0));
}

void TestReplace::replacesExactMatchesOnly() {
    ReplaceFixture f;
    QImage picture = quadrantPicture();
    picture.setPixel(0, 0, qRgb(254, 0, 0)); // one channel off by one: no match
    f.image1()->setPicture({picture, {}});
    f.sampleAt(3, 3);
    f.chooser.answers = {yellow};
    f.replace();
    QCOMPARE(f.pixelsOf(qRgb(255, 255, 0)), 99);
    QCOMPARE(f.image1()->Canvas().pixel(0, 0), qRgb(254, 0, 0));
    QCOMPARE(f.pixelsOf(qRgb(0, 255, 0)), 100);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("brenip - OK"));
    QCOMPARE(PickedColor, rgbColor(255, 0, 0));
}

void TestReplace::beforeAnySampleSearchesBlack() {
    ReplaceFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    QSignalSpy titles(f.form.get(), &QWidget::windowTitleChanged);
    f.chooser.answers = {yellow};
    f.replace();
    QCOMPARE(f.pixelsOf(qRgb(255, 255, 0)), 100);
    QCOMPARE(f.pixelsOf(qRgb(0, 0, 0)), 0);
    QCOMPARE(f.titles(titles), (QStringList{"brenip - 0%", "brenip - OK"}));
}

void TestReplace::outsideSampleChangesNothing() {
    ReplaceFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    QWindow* window = f.form->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, f.onImage1(2, 2));
    QTest::mouseMove(window, f.onImage1(-4, 8));
    QTest::mouseRelease(window, Qt::LeftButton, {}, f.onImage1(-4, 8));
    QCOMPARE(PickedColor, CLR_INVALID);
    f.chooser.answers = {yellow};
    f.replace();
    QCOMPARE(f.image1()->Canvas(), quadrantPicture());
    QCOMPARE(f.form->windowTitle(), QStringLiteral("brenip - OK"));
}

void TestReplace::secondReplaceFindsNothingLeft() {
    ReplaceFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    f.sampleAt(15, 3); // green
    f.chooser.answers = {yellow, rgbColor(0, 0, 255)};
    f.replace();
    f.replace();
    QCOMPARE(f.pixelsOf(qRgb(255, 255, 0)), 100);
    QCOMPARE(f.pixelsOf(qRgb(0, 0, 255)), 100); // only the original blue quadrant
}

void TestReplace::chooserOpensOnLastConfirmedColour() {
    ReplaceFixture f;
    f.image1()->setPicture({quadrantPicture(), {}});
    f.chooser.answers = {yellow, std::nullopt, rgbColor(1, 2, 3), std::nullopt};
    for (int run = 0; run < 4; ++run)
        f.replace();
    QCOMPARE(f.chooser.openedOn, (std::vector<TColor>{0, yellow, yellow, rgbColor(1, 2, 3)}));
}

void TestReplace::titlesFollowTheClock() {
    ReplaceFixture f;
    QImage tall(3, 200, QImage::Format_RGB32);
    tall.fill(Qt::black);
    f.image1()->setPicture({tall, {}});
    // The clock passes the interval once row 74 has been recoloured.
    TImage* image = f.image1();
    setTickSource(
        [image] { return image->Canvas().pixel(2, 74) == qRgb(255, 255, 0) ? 5000u : 0u; });
    QSignalSpy titles(f.form.get(), &QWidget::windowTitleChanged);
    f.chooser.answers = {yellow};
    f.replace();
    QCOMPARE(f.titles(titles), (QStringList{"brenip - 0%", "brenip - 37%", "brenip - OK"}));
}

void TestReplace::twoColourImageTakesNearestColour() {
    ReplaceFixture f;
    QImage mono(9, 5, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    mono.setPixel(4, 2, 1);
    f.image1()->setPicture({mono, {}});
    f.sampleAt(0, 0);                              // black
    f.chooser.answers = {rgbColor(200, 210, 190)}; // light: white is nearest
    f.replace();
    const QImage& result = f.image1()->Canvas();
    QCOMPARE(result.format(), QImage::Format_Mono);
    QCOMPARE(f.pixelsOf(qRgb(255, 255, 255)), 45);
}

LUMVEX_WIDGET_TEST_MAIN(TestReplace)
#include "tst_replace.moc"
