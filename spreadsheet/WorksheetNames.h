#pragma once

#include <QStringList>

// The longest worksheet name spreadsheet programs accept, in UTF-16 units.
constexpr int WorksheetNameLimit = 31;

// Names for worksheets meant to be called `wanted`, in order, that every
// spreadsheet program opens: the characters a name may not hold (\ / ? * :
// [ ]) become their full-width forms, line breaks and other control
// characters a space, an apostrophe at either end its full-width form; blanks
// at the ends go; a blank name becomes "シート<its place from 1>"; a long name
// is cut to the limit, never inside a character; a name given before
// (ignoring case, as the programs compare them) or "History", which one of
// them keeps for itself, gets " (2)", " (3)", … within the limit.
QStringList WorksheetNames(const QStringList& wanted);
