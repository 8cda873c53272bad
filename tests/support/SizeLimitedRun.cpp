#include "SizeLimitedRun.h"

#include "FileError.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

int RunUnderSizeLimit(rlim_t limit, const std::function<void()>& work)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // turn the signal into a failing write
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        try {
            work();
        } catch (const FileError&) {
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
