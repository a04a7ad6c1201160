#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

#include "compiler/point_file.h"

namespace cw::editor {

inline constexpr QRgb kLeakColour = 0xffff00ffu;

// The leak overlay of one floor: the leak's path as lines between its points, each segment drawn
// on the floors of both its ends, and a small box at every point of the path on this floor.
// Drawn in copy mode after the links and before the marker; removed with the links when
// FloorSnapshot is copied back.
void DrawLeakPath(QImage& canvas, const std::vector<compiler::FloorViewPoint>& path,
                  std::int32_t floor);

}  // namespace cw::editor
