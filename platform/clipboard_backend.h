#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the clipboard object needs of the system clipboard; tests put a fake in its place.
class ClipboardBackend {
public:
    virtual ~ClipboardBackend() = default;
    // Replaces everything the clipboard holds with one plain text.
    virtual void setText(const QString& text) = 0;
    // The formats offered now, as MIME types. Asked once per paste.
    virtual QStringList formats() = 0;
    // The bytes offered under `format`; empty when none could be fetched (the owner is gone,
    // refused or did not answer in time).
    virtual QByteArray data(const QString& format) = 0;
    // Empties the clipboard.
    virtual void clear() = 0;
    // Places the bytes under `format` as the clipboard's only content. False when the program
    // did not become the clipboard's owner.
    virtual bool place(const QString& format, const QByteArray& bytes) = 0;
};
