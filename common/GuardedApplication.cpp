#include "GuardedApplication.h"

#include "ApplicationTitle.h"
#include "AtomicFile.h"
#include "CommandCancelled.h"
#include "FileError.h"
#include "ModalSeam.h"
#include "ValueOverflow.h"

#include <QtDebug>

namespace {

int missed = 0;

// The report of an error; empty for a command the user cancelled.
QString ErrorText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const CommandCancelled&) {
        return QString();
    } catch (const FileError& e) {
        return e.reportText();
    } catch (const ConversionError& e) {
        return QStringLiteral("\"%1\" は数値ではありません。").arg(e.text());
    } catch (const ValueOverflow& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("不明なエラーです。");
    }
}

} // namespace

void ReportCommandError(QWidget* parent, std::exception_ptr error)
{
    const QString text = ErrorText(error);
    if (!text.isEmpty())
        ModalSeam::current().errorReport(parent, ApplicationTitle(), text);
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // A save past the file-size limit is a failed save, reported as one.
    LetOversizedWritesFail();
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++missed;
        qCritical() << "an error passed a handler's command boundary:" << ErrorText(std::current_exception());
        ReportCommandError(activeWindow(), std::current_exception());
        return false;
    }
}

int GuardedApplication::missedErrors()
{
    return missed;
}
