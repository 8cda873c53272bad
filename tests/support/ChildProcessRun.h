#pragma once

#include <QString>
#include <functional>
#include <sys/resource.h>

// Runs `work` in a child process, after `prepare` has changed what that
// process may do. The child's status: 0 when the work returned, 1 when it
// threw FileError, 2 when `prepare` returned false, -1 when it ended
// otherwise. `message`, when given, receives the FileError's message.
int RunInChildProcess(const std::function<bool()>& prepare, const std::function<void()>& work,
                      QString* message = nullptr);

// In a child whose files may not grow past `limit` bytes, as on a full disk
// or an exhausted quota.
int RunUnderSizeLimit(rlim_t limit, const std::function<void()>& work, QString* message = nullptr);

// In a child that has given up root's rights for those of "nobody", as a
// user meets a folder or file that refuses them; the tests run as root.
int RunUnprivileged(const std::function<void()>& work, QString* message = nullptr);
