#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <memory>

class QWidget;

// The application object: title and icon, ownership of the main window, the message loop and
// the error box. Exceptions never unwind through Qt's event loop: event handlers are run
// through dispatchGuarded() and notify() catches whatever else escapes an event.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    static TApplication* current();

    // The title from the executable's file name; captions every error box.
    QString Title() const { return title_; }

    void Initialize() {}

    // Constructs the main window with the application as owner. `form` stays null when
    // construction fails and the exception passes on.
    template <typename Form> void CreateForm(Form*& form) {
        form = nullptr;
        auto created = std::make_unique<Form>(nullptr);
        form = created.get();
        mainForm_ = std::move(created);
    }

    // Shows the main window and runs the message loop until it ends.
    void Run();

    // The error box: the message with "." appended, the title as caption, one OK button and
    // the stop icon, modal to every window of the program.
    void ShowException(const std::exception& error);

    // Runs the entry steps; an exception that leaves them is shown and makes the result 1.
    int RunGuarded(const std::function<void()>& steps);

    // Runs one event handler; an exception that leaves it is shown, the loop goes on, and the
    // result is false.
    bool dispatchGuarded(const std::function<void()>& handler);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString title_;
    std::unique_ptr<QWidget> mainForm_;
};
