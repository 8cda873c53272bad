#include "LaunchError.h"

#include "FileError.h"
#include "ModalSeam.h"

#include <QApplication>

#include <cstdio>

namespace {

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int ReportLaunchError(int argc, char** argv, const QString& program, const FileError& error)
{
    const QString text =
        QStringLiteral("%1 を起動できません。\r\n%2\r\n%3").arg(program, error.file(), error.reason());
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(error.message()));
    if (HasDisplay()) {
        QApplication app(argc, argv);
        ModalSeam::current().errorReport(nullptr, program, text);
    }
    return 1;
}
