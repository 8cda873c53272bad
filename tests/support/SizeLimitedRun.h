#pragma once

#include <QString>
#include <functional>
#include <sys/resource.h>

// Runs `work` in a child process whose files may not grow past `limit`
// bytes, as on a full disk or an exhausted quota. The child's status: 0 when
// the work returned, 1 when it threw FileError, -1 when it ended otherwise.
// `message`, when given, receives the FileError's message.
int RunUnderSizeLimit(rlim_t limit, const std::function<void()>& work, QString* message = nullptr);
