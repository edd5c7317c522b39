#include "platform/tapplication.h"

#include "core/application_title.h"
#include "core/error_text.h"
#include "platform/exceptions.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QWidget>

namespace {

// The window font is designed for "ＭＳ Ｐゴシック"; where it is absent, IPAPGothic is the
// closest proportional Japanese gothic face that Linux distributions ship.
void mapDesignedFontFaces() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

const Exception& unknownFailure() {
    static const Exception failure("不明な例外が発生しました");
    return failure;
}

} // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , title_(QString::fromStdString(applicationTitle(applicationFilePath().toStdString()))) {
    // The title names the program to the desktop (the window class on X11); the window's own
    // caption stays its status line.
    setApplicationName(title_);
    // Ties the windows to the installed desktop entry (its icon, the Wayland application id).
    setDesktopFileName(QStringLiteral("org.lumvex.Lumvex"));
    setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    mapDesignedFontFaces();
}

TApplication::~TApplication() = default;

TApplication* TApplication::current() {
    return qobject_cast<TApplication*>(instance());
}

void TApplication::Run() {
    if (mainForm_)
        mainForm_->show();
    exec();
}

void TApplication::ShowException(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, title_,
                    QString::fromStdString(errorBoxText(error.what())), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int TApplication::RunGuarded(const std::function<void()>& steps) {
    return dispatchGuarded(steps) ? 0 : 1;
}

bool TApplication::dispatchGuarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(unknownFailure());
    }
    return false;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    dispatchGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
