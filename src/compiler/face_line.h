#pragma once

#include <array>
#include <cstdint>

#include "formats/face_line.h"

namespace cw::compiler {

// A template face as the map compiler reads it (formats::ScanFaceLine).
using formats::FaceFields;
using formats::SurfaceFields;
using formats::TextureFields;

// How a face's texture is projected, decided from the template points before placement.
enum class FaceClass { kHorizontal, kXFacing, kYFacing };

// With a = p2 - p1, b = p3 - p2 and the magnitudes nx, ny, nz of a x b: horizontal when
// nz >= ny and nz >= nx, otherwise Y-facing when nx < ny, otherwise X-facing. Computed exactly.
FaceClass ClassifyFace(const std::array<std::array<std::int32_t, 3>, 3>& points);

}  // namespace cw::compiler
