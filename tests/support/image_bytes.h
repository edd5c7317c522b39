#pragma once

#include <QBuffer>
#include <QImage>
#include <QtEndian>

// An image encoded as a clipboard owner would serve it.
inline QByteArray encoded(const QImage& image, const char* format = "png") {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

namespace image_bytes_detail {
inline quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= static_cast<uchar>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray chunk(const char* type, const QByteArray& payload) {
    QByteArray length(4, '\0');
    qToBigEndian(static_cast<quint32>(payload.size()), length.data());
    const QByteArray body = QByteArray(type, 4) + payload;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(body), crc.data());
    return length + body + crc;
}
} // namespace image_bytes_detail

// A well-formed PNG start (signature, header, an empty data chunk) that declares an RGB image
// of the given size and carries no pixels.
inline QByteArray pngHeaderDeclaring(quint32 width, quint32 height) {
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + image_bytes_detail::chunk("IHDR", header) +
           image_bytes_detail::chunk("IDAT", {}) + image_bytes_detail::chunk("IEND", {});
}

// A BMP header that declares a width and height but carries no pixels.
inline QByteArray bmpHeaderDeclaring(qint32 width, qint32 height) {
    QByteArray bytes(54, '\0');
    auto put32 = [&bytes](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(24, bytes.data() + 28);
    return bytes;
}
