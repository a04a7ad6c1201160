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

  // Millions of face lines make up a big map: each is written through a local buffer with a few
  // appends rather than one append per piece.
  char points[3 * (2 + 3 * 21 + 2)];
  char* p = points;
  for (const Point3& point : placed) {
    *p++ = '(';
    *p++ = ' ';
    p = WriteInteger(p, point.x);
    *p++ = ' ';
    p = WriteInteger(p, point.y);
    *p++ = ' ';
    p = WriteInteger(p, point.z);
    *p++ = ' ';
    *p++ = ')';
    *p++ = ' ';
  }
  out.append(points, p);
  out += face.textureName;

  const TextureFields texture = AlignTexture(
      faceClass, record.flags, CellReferencePoint(settings, record.cell()), face.texture);
  char numbers[2 * (1 + kMaxOffsetText) + 1 + 20 + 2 * (1 + kMaxScaleText)];
  p = numbers;
  *p++ = ' ';
  p = WriteOffset(p, texture.xOffset);
  *p++ = ' ';
  p = WriteOffset(p, texture.yOffset);
  *p++ = ' ';
  p = WriteInteger(p, texture.rotation);
  *p++ = ' ';
  p = WriteScale(p, texture.xScale);
  *p++ = ' ';
  p = WriteScale(p, texture.yScale);
  out.append(numbers, p);
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
