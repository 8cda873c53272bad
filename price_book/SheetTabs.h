#pragma once

#include "WorkSet.h"

#include <QStringList>

// The sheet tab captions of the material in the work set: the sheet names of
// rows 15, 30, 45 and 60, or the one tab "一般" in refrigerant mode.
QStringList SheetTabCaptions(const WorkSet& work);
