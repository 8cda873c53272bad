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
    // What the file was to the program ("the price book of category 3"),
    // empty when the file speaks for itself.
    const QString& context() const { return context_; }
    QString message() const
    {
        const QString text = file_ + QStringLiteral(": ") + reason_;
        return context_.isEmpty() ? text : context_ + QStringLiteral(": ") + text;
    }
    // What the user can do about it, when there is something; empty else.
    const QString& advice() const { return advice_; }
    // The text of a message box: the context, the file, the reason and the
    // advice, one a line.
    QString reportText() const
    {
        QString text = file_ + QStringLiteral("\r\n") + reason_;
        if (!context_.isEmpty())
            text = context_ + QStringLiteral("\r\n") + text;
        return advice_.isEmpty() ? text : text + QStringLiteral("\r\n") + advice_;
    }
    // The same failure, told as that of `context`.
    FileError in(const QString& context) const
    {
        FileError e = *this;
        e.context_ = context;
        return e;
    }
    // The same failure with a line of advice.
    FileError advising(const QString& advice) const
    {
        FileError e = *this;
        e.advice_ = advice;
        return e;
    }

private:
    QString file_;
    QString reason_;
    QString context_;
    QString advice_;
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
