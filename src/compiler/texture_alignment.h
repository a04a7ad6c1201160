#pragma once

#include <cstdint>

#include "compiler/face_line.h"
#include "compiler/placement.h"

namespace cw::compiler {

// Moves a face's texture along with its block: changes the scale signs and the rotation for the
// face class and orientation flags, then corrects the x offset and the y offset by the shifts
// (the cell reference point) divided by the scales. An offset is corrected only when it is not
// zero in the template, its scale is not zero and the result is finite; the result is computed
// in double with the scale at its single-precision value and truncated toward zero.
TextureFields AlignTexture(FaceClass faceClass, std::int32_t flags, const Point3& shift,
                           TextureFields texture);

}  // namespace cw::compiler
