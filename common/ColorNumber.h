#pragma once

#include <QColor>
#include <cstdint>

// Colours arrive as 0x00BBGGRR numbers, or as 0xFF0000nn for system colour nn,
// which is taken from the application palette.
QColor ColorFromNumber(std::uint32_t number);

// The palette role that stands for system colour nn (0..30).
QColor SystemColor(int index);
