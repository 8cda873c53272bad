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

// The window class the lines go to; none for a caller that names no program.
std::optional<QString> EstimateTarget(CallerTarget target);

// What the estimate program may ask of the dialog.
enum class DialogCommand { None, Close, Restore };
DialogCommand IncomingCommand(const CopyDataBlock& block);
