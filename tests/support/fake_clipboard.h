#pragma once

#include "platform/clipboard_backend.h"
#include "platform/tclipboard.h"

#include <QMap>

#include <memory>

// An in-process clipboard that can refuse to be read or written. Installed into the program's
// clipboard object for the lifetime of the fixture; `state` stays reachable from the test.
class FakeClipboard : public ClipboardBackend {
public:
    struct State {
        QMap<QString, QByteArray> content;
        bool refuseReads = false;  // formats are offered, but their bytes never arrive
        bool refuseWrites = false; // another program keeps the clipboard
        int reads = 0;
    };

    explicit FakeClipboard(State& state)
        : state_(state) {}

    void setText(const QString& text) override {
        state_.content = {{QStringLiteral("text/plain"), text.toUtf8()}};
    }
    QStringList formats() override { return state_.content.keys(); }
    QByteArray data(const QString& format) override {
        ++state_.reads;
        return state_.refuseReads ? QByteArray() : state_.content.value(format);
    }
    void clear() override { state_.content.clear(); }
    bool place(const QString& format, const QByteArray& bytes) override {
        if (state_.refuseWrites)
            return false;
        state_.content = {{format, bytes}};
        return true;
    }

private:
    State& state_;
};

// Puts a fake in place of the system clipboard while it lives.
struct FakeClipboardScope {
    FakeClipboard::State state;
    FakeClipboardScope() { Clipboard()->setBackend(std::make_unique<FakeClipboard>(state)); }
    ~FakeClipboardScope() { Clipboard()->setBackend(nullptr); }
};
