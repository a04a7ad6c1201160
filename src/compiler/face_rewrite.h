#pragma once

#include <array>
#include <string>
#include <string_view>

#include "compiler/face_line.h"
#include "compiler/placement.h"
#include "document/records.h"

namespace cw::compiler {

// A template face read once and placed for every block that uses it: its fields, its class and
// the texts of its scales as read and negated (a placement only ever changes their signs).
struct PreparedFace {
  FaceFields fields;
  FaceClass faceClass = FaceClass::kHorizontal;
  std::array<std::string, 2> xScaleTexts;  // as read, negated
  std::array<std::string, 2> yScaleTexts;
  std::string surfaceText;  // " contents flags value" when the line has them, else empty
};

PreparedFace PrepareFace(FaceFields fields);

// Appends the placed face: each point placed with PlacePoint, points 1 and 3 exchanged for a
// mirroring orientation, the texture realigned with AlignTexture for the face class taken from
// the template points, written as
// "( X1 Y1 Z1 ) ( X2 Y2 Z2 ) ( X3 Y3 Z3 ) name xoff yoff rot xscale yscale", followed by the
// face's surface fields when the settings keep them and the line has them. No orientation changes
// them: contents and surface flags belong to the face whichever way its block stands.
void RewriteFaceLine(std::string& out, const PreparedFace& face, const PlacementSettings& settings,
                     const document::BlockRecord& record);

}  // namespace cw::compiler
