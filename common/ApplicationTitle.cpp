#include "ApplicationTitle.h"

namespace {

// Kept here rather than as the toolkit's display name: the toolkit appends
// that name to every window caption, and the captions must be ours exactly.
QString& storedTitle()
{
    static QString title;
    return title;
}

} // namespace

void SetApplicationTitle(const QString& title)
{
    storedTitle() = title;
}

QString ApplicationTitle()
{
    return storedTitle();
}
