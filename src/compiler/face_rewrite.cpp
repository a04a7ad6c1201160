#include "compiler/face_rewrite.h"

#include <utility>

#include "compiler/number_text.h"
#include "compiler/placement.h"
#include "compiler/texture_alignment.h"

namespace cw::compiler {

void RewriteFaceLine(std::string& out, const FaceFields& face, FaceClass faceClass,
                     const PlacementSettings& settings, const document::BlockRecord& record) {
  Point3 placed[3];
  for (int i = 0; i < 3; ++i) {
    const auto& p = face.points[i];
    placed[i] = PlacePoint(settings, record, p[0], p[1], p[2]);
  }
  // A mirror turns the face inside out; exchanging the first and third points turns it back.
  if (IsMirroring(record.flags)) std::swap(placed[0], placed[2]);
  for (const Point3& point : placed) {
    out += "( ";
    AppendInteger(out, point.x);
    out += ' ';
    AppendInteger(out, point.y);
    out += ' ';
    AppendInteger(out, point.z);
    out += " ) ";
  }
  const TextureFields texture = AlignTexture(
      faceClass, record.flags, CellReferencePoint(settings, record.cell()), face.texture);
  out += face.textureName;
  out += ' ';
  AppendOffset(out, texture.xOffset);
  out += ' ';
  AppendOffset(out, texture.yOffset);
  out += ' ';
  AppendInteger(out, texture.rotation);
  out += ' ';
  AppendScale(out, texture.xScale);
  out += ' ';
  AppendScale(out, texture.yScale);
}

std::string RewriteFaceLine(std::string_view line, const PlacementSettings& settings,
                            const document::BlockRecord& record) {
  const std::optional<FaceFields> face = ParseFaceLine(line);
  if (!face) return std::string(line);
  std::string out;
  RewriteFaceLine(out, *face, ClassifyFace(face->points), settings, record);
  return out;
}

}  // namespace cw::compiler
