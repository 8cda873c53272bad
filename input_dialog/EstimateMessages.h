#pragma once

#include "EstimateLine.h"

#include <QString>
#include <optional>

struct CopyDataBlock;

// The "WM_DATAWRITE" record of one line: 42 fields, each ended by ";".
QString EstimateRecordText(const EstimateLine& line);

// A text as a field of the record: a ";" inside it would end the field early
// and shift every later one, so it goes as the full-width "；".
QString RecordField(const QString& text);

// The window class of the caller's mode read as a number: 0 (or no number)
// the estimate program, 1 the pickup program, anything else none.
std::optional<QString> EstimateTarget(const QString& modeText);

// What the estimate program may ask of the dialog.
enum class DialogCommand { None, Close, Restore };
DialogCommand IncomingCommand(const CopyDataBlock& block);
