#pragma once

#include <QString>
#include <stdexcept>

// An error raised by a grid setter or lookup; its message is the text the
// user sees in the error report.
class TSCGError : public std::runtime_error {
public:
    explicit TSCGError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
