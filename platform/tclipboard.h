#pragma once

#include "platform/clipboard_backend.h"
#include "platform/tbitmap.h"

#include <memory>

enum TClipboardFormat { CF_BITMAP = 2 };

// The process's one clipboard object.
class TClipboard {
public:
    TClipboard();

    // Whether the clipboard offers the format now. CF_BITMAP: an image format a paste can read.
    bool HasFormat(TClipboardFormat format);

    // An independent copy of the offered bitmap. Throws EInvalidGraphic when no usable bitmap
    // data can be fetched, EOutOfResources when it is too large to hold. Leaves the clipboard
    // as it was.
    TBitmap GetBitmap();

    // Empties the clipboard, then places a copy of the picture's bitmap as its only content;
    // a picture without pixels places nothing. Throws EClipboardException when the clipboard
    // could not be taken, EOutOfResources when the copy cannot be made.
    void Assign(const TBitmap* picture);

    // Empties the clipboard, then places one plain text.
    void setAsText(const QString& text) { backend_->setText(text); }

    // Test seam: talk to another clipboard than the system's; null returns to the system's.
    void setBackend(std::unique_ptr<ClipboardBackend> backend);

private:
    std::unique_ptr<ClipboardBackend> backend_;
};

// The same object on every call, made on first use.
TClipboard* Clipboard();
