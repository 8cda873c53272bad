#include "ProgramStart.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstring>

QIcon ProgramIcon(const QString& name)
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name), QSize(size, size));
    return icon;
}

bool LoadToolkitJapanese()
{
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QString ProjectVersion()
{
    return QStringLiteral(KAVREL_VERSION);
}

bool DisplayReachable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::optional<int> EarlyExit(int argc, char** argv, const ProgramInfo& program)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(program.usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program.name, ProjectVersion().toUtf8().constData());
            return 0;
        }
    }
    if (program.needsDisplay && !DisplayReachable()) {
        std::fprintf(stderr,
                     "%s: 画面がありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。"
                     "デスクトップから起動するか、QT_QPA_PLATFORM=offscreen を設定してください。\n",
                     program.name);
        return 1;
    }
    return std::nullopt;
}
