#include "platform/tclipboard.h"

#include "platform/clipboard_image.h"
#include "platform/exceptions.h"
#include "platform/qt_clipboard_backend.h"

TClipboard::TClipboard()
    : backend_(std::make_unique<QtClipboardBackend>()) {}

void TClipboard::setBackend(std::unique_ptr<ClipboardBackend> backend) {
    backend_ = backend ? std::move(backend) : std::make_unique<QtClipboardBackend>();
}

bool TClipboard::HasFormat(TClipboardFormat format) {
    switch (format) {
    case CF_BITMAP:
        return !chooseImageFormat(backend_->formats()).isEmpty();
    }
    return false;
}

TBitmap TClipboard::GetBitmap() {
    const QString format = chooseImageFormat(backend_->formats());
    if (format.isEmpty())
        throw EInvalidGraphic();
    const QByteArray bytes = backend_->data(format);
    if (bytes.isEmpty())
        throw EInvalidGraphic();
    return decodeClipboardImage(bytes, format);
}

void TClipboard::Assign(const TBitmap* picture) {
    backend_->clear();
    if (!picture || picture->pixels.isNull())
        return;
    if (!backend_->place(kCopiedImageFormat, encodeClipboardImage(*picture)))
        throw EClipboardException();
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
