#include "ChildProcessRun.h"

#include "AtomicFile.h"
#include "FileError.h"

#include <sys/wait.h>
#include <unistd.h>

int RunInChildProcess(const std::function<bool()>& prepare, const std::function<void()>& work, QString* message)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        if (!prepare())
            _exit(2);
        try {
            work();
        } catch (const FileError& e) {
            const QByteArray text = e.message().toUtf8();
            (void)!::write(pipeFds[1], text.constData(), static_cast<size_t>(text.size()));
            _exit(1);
        }
        _exit(0);
    }
    ::close(pipeFds[1]);
    QByteArray text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (message)
        *message = QString::fromUtf8(text);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunUnderSizeLimit(rlim_t limit, const std::function<void()>& work, QString* message)
{
    return RunInChildProcess(
        [limit] {
            LetOversizedWritesFail(); // as every program does at start
            const rlimit rl{limit, limit};
            return setrlimit(RLIMIT_FSIZE, &rl) == 0;
        },
        work, message);
}

int RunUnprivileged(const std::function<void()>& work, QString* message)
{
    constexpr uid_t Nobody = 65534;
    return RunInChildProcess([] { return ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0; }, work, message);
}
