#pragma once

#include <QString>
#include <stdexcept>

// An input/output or conversion failure that ends the command in progress.
// It names the file and the reason, which is what the error report shows.
class FileError : public std::runtime_error {
public:
    FileError(const QString& file, const QString& reason)
        : std::runtime_error((file + QStringLiteral(": ") + reason).toStdString()), file_(file), reason_(reason)
    {
    }

    const QString& file() const { return file_; }
    const QString& reason() const { return reason_; }
    QString message() const { return file_ + QStringLiteral(": ") + reason_; }

private:
    QString file_;
    QString reason_;
};

// A text that does not convert to a number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text)
        : std::runtime_error(QStringLiteral("\"%1\" is not a valid number").arg(text).toStdString()), text_(text)
    {
    }
    const QString& text() const { return text_; }

private:
    QString text_;
};
