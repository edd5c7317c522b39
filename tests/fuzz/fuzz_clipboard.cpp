// Fuzzes the path from clipboard bytes to the working image and on through a sample, a
// replacement and a copy. The first byte picks the offered format; the rest is the data.
#include "platform/canvas_grid.h"
#include "platform/clipboard_image.h"
#include "platform/exceptions.h"
#include "platform/image_replace.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

namespace {

// Declared sizes up to the program's limit are taken on purpose, and each may allocate a few
// GiB; the unit tests cover that path. Here runs stay at sizes that keep the fuzzer fast.
bool declaresModestSize(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize declared = QImageReader(&buffer).size();
    return qint64(declared.width()) * declared.height() <= 4096 * 4096;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const QStringList& formats = readableImageFormats();
    const QString format = formats[data[0] % formats.size()];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (!declaresModestSize(bytes))
        return 0;
    try {
        TBitmap bitmap = decodeClipboardImage(bytes, format);
        const int width = bitmap.pixels.width();
        const int height = bitmap.pixels.height();
        CanvasGrid grid(bitmap.pixels);
        const TColor picked = grid.pixel(width / 2, height / 2);
        replaceColorInImage(
            bitmap.pixels, picked, 0x00FF00FF, [] { return 0u; }, [](int) {});
        encodeClipboardImage(bitmap);
    } catch (const Exception&) {
        // Refusing bad data with the platform's error is the expected outcome.
    }
    return 0;
}
