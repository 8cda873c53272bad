#pragma once

#include <QApplication>
#include <exception>

class QWidget;

// The one place where an error that ends a command (a file that cannot be
// read or written, a text that is no number, a value too large to store)
// becomes a report: a message box through the modal seam naming the file and
// the reason, or the material and line. A command the user cancelled is not
// reported.
void ReportCommandError(QWidget* parent, std::exception_ptr error);

// Runs one command of a window's handler. An error that ends it is reported
// and stays here, so that no exception passes through the toolkit's signals
// and events; the window stays in the state the command reached. Returns
// whether the command ran to its end.
template <typename Command>
bool RunCommand(QWidget* parent, Command&& command)
{
    try {
        command();
        return true;
    } catch (...) {
        ReportCommandError(parent, std::current_exception());
        return false;
    }
}

// A handler for a signal that runs `command` through RunCommand.
template <typename Command>
auto Guarded(QWidget* parent, Command command)
{
    return [parent, command] { RunCommand(parent, command); };
}

// The application object of both programs. Every handler runs its command
// through RunCommand; an error that still reaches the event loop is a fault
// of ours: it is reported as a command's would be, logged and counted.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // How many errors reached the event loop past every handler's boundary.
    static int missedErrors();
};
