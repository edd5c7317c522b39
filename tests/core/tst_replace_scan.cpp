#include "core/replace_scan.h"

#include <QTest>

#include <vector>

namespace {

// A grid that counts how often each pixel is read and written.
class CountingGrid : public PixelGrid {
public:
    CountingGrid(int width, int height, std::vector<TColor> pixels)
        : width_(width)
        , height_(height)
        , pixels_(std::move(pixels))
        , reads_(pixels_.size())
        , writes_(pixels_.size()) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    TColor pixel(int x, int y) const override {
        ++reads_[index(x, y)];
        return pixels_[index(x, y)];
    }
    void setPixel(int x, int y, TColor color) override {
        ++writes_[index(x, y)];
        pixels_[index(x, y)] = color;
    }

    const std::vector<TColor>& pixels() const { return pixels_; }
    const std::vector<int>& reads() const { return reads_; }
    const std::vector<int>& writes() const { return writes_; }

private:
    std::size_t index(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            qFatal("scan reached outside the grid at (%d, %d)", x, y);
        return static_cast<std::size_t>(y * width_ + x);
    }

    int width_;
    int height_;
    std::vector<TColor> pixels_;
    mutable std::vector<int> reads_;
    std::vector<int> writes_;
};

constexpr TColor red = rgbColor(255, 0, 0);
constexpr TColor blue = rgbColor(0, 0, 255);
constexpr TColor white = rgbColor(255, 255, 255);
constexpr TColor nearRed = rgbColor(254, 0, 0);

const TickSource stoppedClock = [] { return 0u; };

} // namespace

class TestReplaceScan : public QObject {
    Q_OBJECT
private slots:
    void semantics_data();
    void semantics();
    void eachPixelReadOnceWrittenAtMostOnce();
    void progressFallsOnRow75();
    void progressAcrossTheTickWrap_data();
    void progressAcrossTheTickWrap();
};

void TestReplaceScan::semantics_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<std::vector<TColor>>("before");
    QTest::addColumn<TColor>("picked");
    QTest::addColumn<TColor>("replacement");
    QTest::addColumn<std::vector<TColor>>("after");
    QTest::newRow("exact match only") << 2 << std::vector<TColor>{red, nearRed, white, red} << red
                                      << blue << std::vector<TColor>{blue, nearRed, white, blue};
    QTest::newRow("invalid matches nothing")
        << 2 << std::vector<TColor>{white, white} << CLR_INVALID << blue
        << std::vector<TColor>{white, white};
    QTest::newRow("new colour equal to old")
        << 1 << std::vector<TColor>{red, white} << red << red << std::vector<TColor>{red, white};
    QTest::newRow("replacement equal to another pixel")
        << 3 << std::vector<TColor>{red, blue, red} << red << blue
        << std::vector<TColor>{blue, blue, blue};
    QTest::newRow("black before any sample") << 2 << std::vector<TColor>{0, white} << TColor{0}
                                             << red << std::vector<TColor>{red, white};
    QTest::newRow("empty grid") << 0 << std::vector<TColor>{} << TColor{0} << red
                                << std::vector<TColor>{};
}

void TestReplaceScan::semantics() {
    QFETCH(int, width);
    QFETCH(std::vector<TColor>, before);
    QFETCH(TColor, picked);
    QFETCH(TColor, replacement);
    QFETCH(std::vector<TColor>, after);
    const int height = width == 0 ? 0 : static_cast<int>(before.size()) / width;
    CountingGrid grid(width, height, before);
    replaceColorPerPixel(grid, picked, replacement, stoppedClock, [](int) {});
    QCOMPARE(grid.pixels(), after);
}

void TestReplaceScan::eachPixelReadOnceWrittenAtMostOnce() {
    // Red becomes blue and blue is not searched, so nothing is touched twice.
    CountingGrid grid(3, 2, {red, blue, red, white, red, red});
    replaceColorPerPixel(grid, red, blue, stoppedClock, [](int) {});
    QCOMPARE(grid.reads(), std::vector<int>(6, 1));
    QCOMPARE(grid.writes(), (std::vector<int>{1, 0, 1, 0, 1, 1}));
}

void TestReplaceScan::progressFallsOnRow75() {
    // The clock jumps past the interval once row 74 is done: the title shows 37, never 100.
    CountingGrid grid(3, 200, std::vector<TColor>(600, red));
    const TickSource clock = [&grid] { return grid.pixels()[74 * 3 + 2] == blue ? 1001u : 0u; };
    std::vector<int> shown;
    replaceColorPerPixel(grid, red, blue, clock, [&](int percent) { shown.push_back(percent); });
    QCOMPARE(shown, std::vector<int>{37});
}

void TestReplaceScan::progressAcrossTheTickWrap_data() {
    QTest::addColumn<quint32>("jumpTo");
    QTest::addColumn<std::vector<int>>("shown");
    QTest::newRow("slow clock just before the wrap") << 0xFFFFFF20u << std::vector<int>{};
    QTest::newRow("less than the interval across the wrap") << 0x00000100u << std::vector<int>{};
    QTest::newRow("more than the interval across the wrap") << 0x000002E9u << std::vector<int>{50};
}

void TestReplaceScan::progressAcrossTheTickWrap() {
    QFETCH(quint32, jumpTo);
    QFETCH(std::vector<int>, shown);
    // The scan starts 256 ms before the counter wraps; from row 5 on the clock reads `jumpTo`.
    CountingGrid grid(4, 10, std::vector<TColor>(40, red));
    const TickSource clock = [&grid, jumpTo] {
        return grid.pixels()[4 * 4 + 3] == blue ? jumpTo : 0xFFFFFF00u;
    };
    std::vector<int> titles;
    replaceColorPerPixel(grid, red, blue, clock, [&](int percent) { titles.push_back(percent); });
    QCOMPARE(titles, shown);
}

QTEST_APPLESS_MAIN(TestReplaceScan)
#include "tst_replace_scan.moc"
