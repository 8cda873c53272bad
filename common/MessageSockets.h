#pragma once

#include <QString>

// Where the receiving windows listen: one local socket per window class
// ("TFESTIMATE", "TFPICKUP", "TFKANZAI") in the user's runtime folder, so
// that no other user can reach them.
//
// The folder is XDG_RUNTIME_DIR when it names a folder; otherwise the
// private folder ~/.cache/kavrel-run, created with mode 0700. Empty when no
// such folder can be had (one that another user owns is never used).
QString MessageSocketFolder();

// The socket's full path; empty without a folder.
QString MessageSocketPath(const QString& windowClass);
