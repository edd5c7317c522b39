#include "platform/clipboard_image.h"

#include "platform/exceptions.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>

#include <optional>

namespace {

QByteArray readerFormatOf(const QString& mimeType) {
    static const QHash<QString, QByteArray> formats{
        {QStringLiteral("image/png"), "png"},   {QStringLiteral("image/bmp"), "bmp"},
        {QStringLiteral("image/x-bmp"), "bmp"}, {QStringLiteral("image/x-portable-pixmap"), "ppm"},
        {QStringLiteral("image/gif"), "gif"},   {QStringLiteral("image/jpeg"), "jpeg"},
    };
    return formats.value(mimeType);
}

bool fitsTheLimit(const QSize& size) {
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return bytes <= qint64(kClipboardImageLimitMiB) * 1024 * 1024;
}

QImage rgbDroppingAlpha(QImage decoded) {
    if (!decoded.hasAlphaChannel())
        return decoded.convertToFormat(QImage::Format_RGB32);
    decoded.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < decoded.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(decoded.scanLine(y));
        for (int x = 0; x < decoded.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    decoded.reinterpretAsFormat(QImage::Format_RGB32);
    return decoded;
}

// The RGB32 pixels as an 8-bit image on the palette, entries appended for colours it lacks;
// nothing when more than 256 entries would be needed.
std::optional<QImage> indexedOn(const QImage& pixels, QList<QRgb> palette) {
    QHash<QRgb, int> indexOf;
    for (int i = 0; i < palette.size(); ++i)
        indexOf.insert(palette[i] | 0xFF000000u, i);
    QImage indexed(pixels.size(), QImage::Format_Indexed8);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < pixels.width(); ++x) {
            auto found = indexOf.constFind(source[x]);
            if (found == indexOf.constEnd()) {
                if (palette.size() == 256)
                    return std::nullopt;
                found = indexOf.insert(source[x], int(palette.size()));
                palette.append(source[x]);
            }
            target[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

} // namespace

const QStringList& readableImageFormats() {
    static const QStringList formats{
        QStringLiteral("image/png"),   QStringLiteral("image/bmp"),
        QStringLiteral("image/x-bmp"), QStringLiteral("image/x-portable-pixmap"),
        QStringLiteral("image/gif"),   QStringLiteral("image/jpeg"),
    };
    return formats;
}

QString chooseImageFormat(const QStringList& offered) {
    for (const QString& format : readableImageFormats())
        if (offered.contains(format))
            return format;
    return {};
}

TBitmap decodeClipboardImage(const QByteArray& bytes, const QString& format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kClipboardImageLimitMiB);
    QImageReader reader(&buffer, readerFormatOf(format));
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.isEmpty())
        throw EInvalidGraphic();
    if (!fitsTheLimit(declared) || QImage(declared, QImage::Format_ARGB32).isNull())
        throw EOutOfResources();
    QImage decoded;
    if (!reader.read(&decoded) || decoded.size() != declared)
        throw EInvalidGraphic();
    if (decoded.depth() == 1)
        return {decoded.convertToFormat(QImage::Format_Mono), {}};
    const QList<QRgb> palette = decoded.colorTable();
    return {rgbDroppingAlpha(std::move(decoded)), palette};
}

QByteArray encodeClipboardImage(const TBitmap& bitmap) {
    QImage image = bitmap.pixels;
    if (!bitmap.palette.isEmpty()) {
        if (std::optional<QImage> indexed = indexedOn(bitmap.pixels, bitmap.palette))
            image = *indexed;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Fast deflate: a large screenshot is encoded in well under a second, still compressed.
    writer.setQuality(80);
    if (!writer.write(image))
        throw EOutOfResources();
    return bytes;
}
