#pragma once

#include <QString>
#include <stdexcept>

// A value that does not fit where it must be stored. It ends the command in
// progress: a price that silently saturated would look like a real one.
class ValueOverflow : public std::overflow_error {
public:
    explicit ValueOverflow(const QString& message = QStringLiteral("数値が扱える範囲を超えています。"))
        : std::overflow_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};
