#include "ScriptedModalSeam.h"

#include <QDialog>

namespace {

template <typename T>
T take(std::deque<T>& answers, QStringList& unexpected, const QString& call, T fallback)
{
    if (answers.empty()) {
        unexpected << call;
        return fallback;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

int ScriptedModalSeam::exec(QDialog& dialog)
{
    const QString call = QStringLiteral("dialog %1 %2").arg(dialog.objectName(), dialog.windowTitle());
    asked << call;
    auto answer = take(dialogAnswers, unexpected, call, std::function<int(QDialog&)>());
    return answer ? answer(dialog) : QDialog::Rejected;
}

QString ScriptedModalSeam::existingFolder(QWidget*, const QString& caption, const QString& start)
{
    const QString call = QStringLiteral("folder %1 %2").arg(caption, start);
    asked << call;
    return take(folderAnswers, unexpected, call, QString());
}

QString ScriptedModalSeam::openFileName(QWidget*, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    const QString call = QStringLiteral("open %1 %2 %3").arg(caption, dir, filter);
    asked << call;
    return take(openAnswers, unexpected, call, QString());
}

QString ScriptedModalSeam::saveFileName(QWidget*, const QString& caption, const QString& dir,
                                        const QString& filter, const QString& defaultSuffix)
{
    const QString call = QStringLiteral("save %1 %2 %3 %4").arg(caption, dir, filter, defaultSuffix);
    asked << call;
    return take(saveAnswers, unexpected, call, QString());
}

std::optional<QString> ScriptedModalSeam::inputText(QWidget*, const QString& caption, const QString& prompt,
                                                    const QString& initial)
{
    const QString call = QStringLiteral("input %1 %2 %3").arg(caption, prompt, initial);
    asked << call;
    if (inputAnswers.empty()) {
        unexpected << call;
        return std::nullopt;
    }
    const std::optional<QString> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void ScriptedModalSeam::errorReport(QWidget*, const QString& title, const QString& text)
{
    asked << QStringLiteral("error %1").arg(title);
    errors << text;
}
