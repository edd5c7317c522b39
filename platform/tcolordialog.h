#pragma once

#include "core/tcolor.h"

#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <optional>

// The colour chooser: no window until executed. Each run opens on the last confirmed colour
// (black at first). Custom colours the user defines last for the rest of the run, in Qt's
// chooser; they start empty and nothing is saved.
class TColorDialog : public QObject {
    Q_OBJECT
public:
    // Shows a chooser opened on `initial`; the chosen colour, or nothing when cancelled.
    using Chooser = std::function<std::optional<TColor>(TColor initial)>;

    explicit TColorDialog(QObject* parent = nullptr);

    TColor Color() const { return color_; }

    // Runs the chooser modal to the whole program. True when the user confirmed; Color() then
    // holds the choice. False when cancelled, closed or not shown; Color() stays.
    bool Execute();

    // Test seam: another chooser in place of Qt's dialog.
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

private:
    std::optional<TColor> runQtChooser(TColor initial);

    TColor color_ = 0;
    Chooser chooser_;
    QTemporaryDir settingsDir_;
};
