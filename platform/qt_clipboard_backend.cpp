#include "platform/qt_clipboard_backend.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QClipboard* systemClipboard() {
    return QGuiApplication::clipboard();
}

} // namespace

void QtClipboardBackend::setText(const QString& text) {
    systemClipboard()->setText(text);
}

QStringList QtClipboardBackend::formats() {
    const QMimeData* offered = systemClipboard()->mimeData();
    return offered ? offered->formats() : QStringList();
}

QByteArray QtClipboardBackend::data(const QString& format) {
    const QMimeData* offered = systemClipboard()->mimeData();
    return offered ? offered->data(format) : QByteArray();
}

void QtClipboardBackend::clear() {
    systemClipboard()->clear();
}

bool QtClipboardBackend::place(const QString& format, const QByteArray& bytes) {
    auto* content = new QMimeData;
    content->setData(format, bytes);
    systemClipboard()->setMimeData(content);
    return systemClipboard()->ownsClipboard();
}
