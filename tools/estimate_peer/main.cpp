// The reference estimate program: it listens as the estimate program (or the
// pickup program), prints every block it receives and answers it, and sends
// the input dialog its two commands. An integrator reads it to learn the
// messages; the tests use it as the other side.

#include "CopyDataSend.h"
#include "CopyDataServer.h"
#include "MessageSockets.h"
#include "RecordReport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

namespace {

QTextStream& Out()
{
    static QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    return out;
}

QTextStream& Err()
{
    static QTextStream err(stderr);
    err.setEncoding(QStringConverter::Utf8);
    return err;
}

// Exit codes of a command sent from the command line.
int SendCommand(const QString& command, const QString& to, int timeoutMs)
{
    const SendResult sent = SendCopyData(to, CopyDataBlock::fromText(command, QString()), timeoutMs);
    switch (sent.outcome) {
    case SendOutcome::Answered:
        Out() << command << " sent to " << to << ", answer " << sent.result << Qt::endl;
        return 0;
    case SendOutcome::NoReceiver:
        Err() << "no window listens as " << to << Qt::endl;
        return 1;
    case SendOutcome::NoAnswer:
        Err() << to << " did not answer" << Qt::endl;
        return 2;
    case SendOutcome::TooLarge:
        break;
    }
    return 3;
}

int signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// Ends the event loop on SIGINT or SIGTERM, so that the socket is removed.
void QuitOnSignals(QCoreApplication& app)
{
    if (::pipe(signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
}

// Lines typed on standard input while listening.
class Console : public QObject {
public:
    Console(const QString& dialog, int timeoutMs, QObject* parent)
        : QObject(parent)
        , dialog_(dialog)
        , timeoutMs_(timeoutMs)
        , notifier_(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &Console::read);
    }

    // The dialog that sent the last record is the one the commands go to.
    void setDialog(const QString& name)
    {
        if (!name.isEmpty())
            dialog_ = name;
    }

private:
    void read()
    {
        char bytes[512];
        const ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (got <= 0) {
            notifier_.setEnabled(false); // no more input; go on listening
            return;
        }
        pending_.append(bytes, got);
        qsizetype end;
        while ((end = pending_.indexOf('\n')) >= 0) {
            run(QString::fromUtf8(pending_.left(end)).trimmed());
            pending_.remove(0, end + 1);
        }
    }

    void run(const QString& line)
    {
        if (line == QLatin1String("close"))
            SendCommand(QStringLiteral("WM_CLOSE;"), dialog_, timeoutMs_);
        else if (line == QLatin1String("restore"))
            SendCommand(QStringLiteral("WM_Restore;"), dialog_, timeoutMs_);
        else if (line == QLatin1String("quit"))
            QCoreApplication::quit();
        else if (!line.isEmpty())
            Err() << "commands: close, restore, quit" << Qt::endl;
    }

    QString dialog_;
    int timeoutMs_;
    QSocketNotifier notifier_;
    QByteArray pending_;
};

int Listen(QCoreApplication& app, const QString& windowClass, const QString& dialog, int timeoutMs)
{
    Console console(dialog, timeoutMs, &app);
    CopyDataServer server([&console](const CopyDataBlock& block) -> qint64 {
        for (const QString& line : RecordReport(block))
            Out() << line << '\n';
        Out().flush();
        console.setDialog(block.sender);
        // Processed: the answer tells the sender so.
        return block.dwData == CopyData::RecordKind ? 1 : 0;
    });
    switch (server.listen(windowClass)) {
    case CopyDataServer::Listen::Listening:
        break;
    case CopyDataServer::Listen::InUse:
        Err() << "another program already listens as " << windowClass << Qt::endl;
        return 1;
    case CopyDataServer::Listen::Failed:
        Err() << "cannot listen at " << MessageSocketPath(windowClass) << Qt::endl;
        return 1;
    }
    QuitOnSignals(app);
    Out() << "listening as " << windowClass << " at " << MessageSocketPath(windowClass) << Qt::endl;
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Listens as the estimate program and prints every record the input dialog sends.\n"
        "While it listens, type close or restore to send the dialog WM_CLOSE; or WM_Restore;."));
    parser.addHelpOption();
    const QCommandLineOption pickup(QStringLiteral("pickup"), QStringLiteral("Listen as TFPICKUP instead of TFESTIMATE."));
    const QCommandLineOption sendClose(QStringLiteral("send-close"), QStringLiteral("Send WM_CLOSE; to the dialog and exit."));
    const QCommandLineOption sendRestore(QStringLiteral("send-restore"), QStringLiteral("Send WM_Restore; to the dialog and exit."));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("The dialog's socket name (default TFKANZAI)."),
                                QStringLiteral("name"), QStringLiteral("TFKANZAI"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QStringLiteral("Milliseconds to wait for an answer."),
                                     QStringLiteral("ms"), QString::number(CopyData::AnswerTimeoutMs));
    parser.addOptions({pickup, sendClose, sendRestore, to, timeout});
    parser.process(app);

    const int timeoutMs = parser.value(timeout).toInt();
    if (parser.isSet(sendClose))
        return SendCommand(QStringLiteral("WM_CLOSE;"), parser.value(to), timeoutMs);
    if (parser.isSet(sendRestore))
        return SendCommand(QStringLiteral("WM_Restore;"), parser.value(to), timeoutMs);
    const QString windowClass = parser.isSet(pickup) ? QStringLiteral("TFPICKUP") : QStringLiteral("TFESTIMATE");
    return Listen(app, windowClass, parser.value(to), timeoutMs);
}
