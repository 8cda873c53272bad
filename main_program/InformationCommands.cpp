#include "InformationCommands.h"

#include "ApplicationTitle.h"
#include "DesktopApplications.h"
#include "LongPathForm.h"
#include "MessageBoxes.h"
#include "ProcessStart.h"
#include "ProgramFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <sys/sysinfo.h>

namespace {

std::optional<std::uint64_t> MemInfoBytes(const QByteArray& text, const QByteArray& key)
{
    for (const QByteArray& line : text.split('\n')) {
        if (!line.startsWith(key + ':'))
            continue;
        const QList<QByteArray> parts = line.mid(key.size() + 1).simplified().split(' ');
        bool ok = false;
        const std::uint64_t value = parts.value(0).toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        const bool kilobytes = parts.value(1).compare("kB", Qt::CaseInsensitive) == 0;
        return kilobytes ? value * 1024 : value;
    }
    return std::nullopt;
}

} // namespace

std::optional<PhysicalMemory> ParseMemInfo(const QByteArray& text)
{
    const auto total = MemInfoBytes(text, "MemTotal");
    const auto available = MemInfoBytes(text, "MemAvailable");
    if (!total || !available)
        return std::nullopt;
    return PhysicalMemory{*available, *total};
}

std::optional<PhysicalMemory> CurrentPhysicalMemory()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        // A proc file has no size: read until it ends.
        if (const auto memory = ParseMemInfo(meminfo.readAll()))
            return memory;
    }
    struct sysinfo info {};
    if (sysinfo(&info) != 0)
        return std::nullopt;
    const std::uint64_t unit = info.mem_unit ? info.mem_unit : 1;
    return PhysicalMemory{std::uint64_t(info.freeram) * unit, std::uint64_t(info.totalram) * unit};
}

QString InstallFolderText(const QString& programFolder)
{
    return QStringLiteral("現在のインストールフォルダー\r\n") + QDir::toNativeSeparators(LongPathForm(programFolder));
}

QString MemoryText(const PhysicalMemory& memory)
{
    // Full 64-bit figures: today's memory sizes do not fit a 32-bit %d.
    return QStringLiteral("現在のメモリーは\r\n")
        + QStringLiteral("Free %1 / Total %2 Bytes").arg(memory.available).arg(memory.total);
}

QString ScreenResolutionText(const QSize& screen)
{
    return QStringLiteral("現在の画面解像度は\r\n%1×%2").arg(screen.width()).arg(screen.height());
}

QString AboutText(const QString& applicationTitle)
{
    return applicationTitle + QStringLiteral("\r\nVersion2.20");
}

void ShowInstallFolder()
{
    InfoBox(InstallFolderText(QCoreApplication::applicationDirPath()), ConfirmCaption());
}

void ShowMemory()
{
    InfoBox(MemoryText(CurrentPhysicalMemory().value_or(PhysicalMemory{})), ConfirmCaption());
}

void ShowScreenResolution()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    InfoBox(ScreenResolutionText(screen ? screen->size() : QSize()), ConfirmCaption());
}

void ShowAbout()
{
    InfoBox(AboutText(ApplicationTitle()), ConfirmCaption());
}

namespace {

// Starts the first of the command lines whose program is found, beside this
// program or on the search path; else says `missing` in one box.
bool startFirstOf(const QList<QStringList>& commands, const QString& missing)
{
    for (const QStringList& command : commands) {
        if (command.isEmpty())
            continue;
        const QString program = FindProgram(command.first(), QCoreApplication::applicationDirPath());
        if (!program.isEmpty() && StartProgram(program, command.mid(1)))
            return true;
    }
    InfoBox(missing, ConfirmCaption());
    return false;
}

QList<QStringList> commandsOf(const QStringList& programs)
{
    QList<QStringList> commands;
    for (const QString& program : programs)
        commands << QStringList{program};
    return commands;
}

} // namespace

bool StartNotepad()
{
    return startFirstOf(QList<QStringList>{{QStringLiteral("notepad.exe")}, DefaultApplicationCommand(QStringLiteral("text/plain"))}
                            + commandsOf({QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
                                          QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
                                          QStringLiteral("xed"), QStringLiteral("featherpad"), QStringLiteral("leafpad")}),
                        QStringLiteral("テキストエディタが見つかりません。"));
}

bool StartCalculator()
{
    return startFirstOf(commandsOf({QStringLiteral("Calc.exe"), QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                    QStringLiteral("galculator"), QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"),
                                    QStringLiteral("xcalc")}),
                        QStringLiteral("電卓が見つかりません。"));
}

bool NotepadCommand(QAction* item, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier) {
        if (item)
            item->setShortcut(QKeySequence(QStringLiteral("ctrl+M")));
        return false;
    }
    return StartNotepad();
}

bool OpenHelp(const QString& programFolder, const std::function<bool(const QUrl&)>& open)
{
    for (const QString& file : {ProgramFiles::helpFile(programFolder), ProgramFiles::manualFile(programFolder)}) {
        if (QFile::exists(file) && open(QUrl::fromLocalFile(file)))
            return true;
    }
    return false;
}

bool OpenHelp(const QString& programFolder)
{
    return OpenHelp(programFolder, [](const QUrl& url) { return QDesktopServices::openUrl(url); });
}
