#pragma once

#include "ModalSeam.h"

#include <QStringList>
#include <deque>
#include <functional>

// A seam that answers from a script instead of showing anything. Each call
// takes the next scripted answer of its kind; a call with no answer left is
// logged in `unexpected` and answered as a cancel, so a test can fail on it.
class ScriptedModalSeam : public ModalSeam {
public:
    ScriptedModalSeam() { ModalSeam::install(this); }
    ~ScriptedModalSeam() override { ModalSeam::install(nullptr); }

    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    std::deque<QString> folderAnswers;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<std::optional<QString>> inputAnswers;

    QStringList asked;      // one line per call, in order
    QStringList unexpected; // calls that found no answer
    QStringList errors;     // texts of the error reports

    int exec(QDialog& dialog) override;
    QString existingFolder(QWidget*, const QString& caption, const QString& start) override;
    QString openFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<QString> inputText(QWidget*, const QString& caption, const QString& prompt,
                                     const QString& initial) override;
    void errorReport(QWidget*, const QString& title, const QString& text) override;
};
