#pragma once

#include "platform/clipboard_backend.h"

// The system clipboard through Qt. Reads go through one QMimeData per paste: Qt asks the owner
// for its formats once and for one format's bytes once, each bounded by Qt's own time-out, and
// the program decodes the bytes itself instead of letting Qt try every image format in turn.
class QtClipboardBackend : public ClipboardBackend {
public:
    void setText(const QString& text) override;
    QStringList formats() override;
    QByteArray data(const QString& format) override;
    void clear() override;
    bool place(const QString& format, const QByteArray& bytes) override;
};
