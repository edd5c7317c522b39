#pragma once

#include "platform/tbitmap.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Largest decoded image the program takes from the clipboard, in MiB: 4 GiB holds a
// 32768x32768 RGB32 bitmap. Qt's own default (128 MiB) stops just above one 8K frame.
inline constexpr int kClipboardImageLimitMiB = 4096;

// The one format Copy offers: lossless, compressed, readable by every image program.
inline const QString kCopiedImageFormat = QStringLiteral("image/png");

// Image formats a paste can read, most faithful first.
const QStringList& readableImageFormats();

// The first readable image format among those offered, or an empty string.
QString chooseImageFormat(const QStringList& offered);

// The working image made from a clipboard image's bytes. Two-colour images stay two-colour;
// every other becomes RGB32, alpha dropped with the colour channels as stored; an indexed
// image's colour table is kept as its palette. Throws EInvalidGraphic for data that is not a
// whole image of that format, EOutOfResources when it is larger than can be held. The size the
// header declares is checked before anything is decoded.
TBitmap decodeClipboardImage(const QByteArray& bytes, const QString& format);

// The bytes Copy places: a PNG of the bitmap. A two-colour bitmap stays 1-bit; a bitmap with a
// palette goes out indexed on that palette while its colours fit in 256 entries. Throws
// EOutOfResources when the image cannot be encoded.
QByteArray encodeClipboardImage(const TBitmap& bitmap);
