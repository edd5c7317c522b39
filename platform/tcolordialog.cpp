#include "platform/tcolordialog.h"

#include "platform/color_conversion.h"

#include <QColorDialog>
#include <QSettings>

TColorDialog::TColorDialog(QObject* parent)
    : QObject(parent)
    , chooser_([this](TColor initial) { return runQtChooser(initial); }) {
    // Qt's chooser loads custom colours from, and saves them to, the user's settings. Pointing
    // the process's user settings at a private folder that goes with this object makes them
    // start empty and keeps the run's colours out of the user's files; the program keeps no
    // settings of its own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

bool TColorDialog::Execute() {
    const std::optional<TColor> chosen = chooser_(color_);
    if (!chosen)
        return false;
    color_ = *chosen;
    return true;
}

std::optional<TColor> TColorDialog::runQtChooser(TColor initial) {
    // Qt's own dialog rather than a desktop's native one: it keeps custom colours for the run
    // and behaves the same on every desktop.
    QColorDialog dialog(toQColor(initial));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return toTColor(dialog.selectedColor().rgb());
}
