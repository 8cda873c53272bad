#include "GuardedApplication.h"

#include "ApplicationTitle.h"
#include "AtomicFile.h"
#include "CommandCancelled.h"
#include "FileError.h"
#include "ModalSeam.h"
#include "ValueOverflow.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // A save past the file-size limit is a failed save, reported as one.
    LetOversizedWritesFail();
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    QString text;
    try {
        return QApplication::notify(receiver, event);
    } catch (const CommandCancelled&) {
        return false;
    } catch (const FileError& e) {
        text = e.reportText();
    } catch (const ConversionError& e) {
        text = QStringLiteral("\"%1\" は数値ではありません。").arg(e.text());
    } catch (const ValueOverflow& e) {
        text = e.message();
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    }
    ModalSeam::current().errorReport(activeWindow(), ApplicationTitle(), text);
    return false;
}
