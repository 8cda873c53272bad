#pragma once

#include <QIcon>

#include <functional>

class QPainter;

// An icon drawn by `draw` into a square of `side` logical pixels, scaled to
// each size it is shown at and drawn only then, once per size and mode.
// Drawing every size a screen might ask for up front made the input
// dialog's ten numbered disks a noticeable part of its start.
QIcon PaintedIcon(int side, std::function<void(QPainter&)> draw);
