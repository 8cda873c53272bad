#pragma once

#include <QApplication>

// The application object of both programs. An error that ends a command (a
// file that cannot be read or written, a text that is no number, a value too
// large to store) is caught here, at the edge of the event loop, and shown in
// a message box naming the file and the reason, or the material and line; the
// window stays open in the state it had reached.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
