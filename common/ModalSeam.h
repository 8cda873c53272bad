#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

// Every modal interaction of both programs goes through the current seam, so
// that tests can answer message boxes and dialogs without blocking.
class ModalSeam {
public:
    virtual ~ModalSeam() = default;

    // Shows one of the programs' own dialogs modally; returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    // An empty result means the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& caption, const QString& start) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter, const QString& defaultSuffix) = 0;
    virtual std::optional<QString> inputText(QWidget* parent, const QString& caption,
                                             const QString& prompt, const QString& initial) = 0;
    // The report of an error that ended a command.
    virtual void errorReport(QWidget* parent, const QString& title, const QString& text) = 0;

    static ModalSeam& current();
    // Installs a seam (not owned); nullptr restores the one with real dialogs.
    static void install(ModalSeam* seam);
};

// The seam with the toolkit's real dialogs.
class QtModalSeam : public ModalSeam {
public:
    int exec(QDialog& dialog) override;
    QString existingFolder(QWidget* parent, const QString& caption, const QString& start) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter, const QString& defaultSuffix) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     const QString& initial) override;
    void errorReport(QWidget* parent, const QString& title, const QString& text) override;
};
