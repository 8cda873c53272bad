#include "SizeLimitedRun.h"

#include "AtomicFile.h"
#include "FileError.h"

#include <sys/wait.h>
#include <unistd.h>

int RunUnderSizeLimit(rlim_t limit, const std::function<void()>& work, QString* message)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        LetOversizedWritesFail(); // as every program does at start
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
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
