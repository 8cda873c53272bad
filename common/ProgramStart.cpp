#include "ProgramStart.h"

#include "DevicePixelIconEngine.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <cstring>

namespace {

// The program icon's sizes, each read only when a size is asked for: Qt's own
// engine decodes every file as it is added, which made the eight PNG files a
// noticeable part of each start, and most platforms never ask for most sizes.
class ProgramIconEngine : public DevicePixelIconEngine {
public:
    explicit ProgramIconEngine(const QString& name) : name_(name) {}

    QIconEngine* clone() const override { return new ProgramIconEngine(name_); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : Sides)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = sideFor(size);
        return QSize(side, side).boundedTo(size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = sideFor(size);
        const QString file = QStringLiteral(":/icons/%1/%2.png").arg(side).arg(name_);
        QPixmap pixmap;
        if (!QPixmapCache::find(file, &pixmap) && pixmap.load(file))
            QPixmapCache::insert(file, pixmap);
        // Scaled down to a size between two files, never up.
        const QSize wanted = pixmap.size().boundedTo(size);
        if (pixmap.isNull() || pixmap.size() == wanted)
            return pixmap;
        return pixmap.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

private:
    static constexpr int Sides[] = {16, 22, 24, 32, 48, 64, 128, 256};

    // The smallest side that covers the size asked for, else the largest.
    static int sideFor(const QSize& size)
    {
        for (int side : Sides)
            if (side >= size.width() && side >= size.height())
                return side;
        return Sides[std::size(Sides) - 1];
    }

    QString name_;
};

} // namespace

QIcon ProgramIcon(const QString& name)
{
    return QIcon(new ProgramIconEngine(name));
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

void UseJapaneseFace()
{
    QFont font = QGuiApplication::font();
    const QString japanese = QString::fromLatin1(JapaneseFace);
    if (font.families().contains(japanese))
        return;
    // The default is often an alias ("Sans Serif"), which a list of faces
    // does not resolve: the face it stands for is named instead.
    font.setFamilies({QFontInfo(font).family(), japanese});
    QGuiApplication::setFont(font);
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

namespace {

class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Queued, so that the paint itself is finished first.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

void ExitAfterFirstPaintWhenTimed(QObject* painted)
{
    if (qEnvironmentVariableIsSet("KAVREL_EXIT_AFTER_FIRST_PAINT"))
        painted->installEventFilter(new ExitAfterFirstPaint(painted));
}
