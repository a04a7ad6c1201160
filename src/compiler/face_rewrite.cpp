#include "compiler/face_rewrite.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <utility>

#include "compiler/number_text.h"
#include "compiler/placement.h"
#include "compiler/texture_alignment.h"
#include "platform/number_format.h"

namespace cw::compiler {
namespace {

// The text of a scale after alignment: the one as read, or the negated one.
const std::string& ScaleTextFor(float aligned, float asRead,
                                const std::array<std::string, 2>& texts) {
  return std::bit_cast<std::uint32_t>(aligned) == std::bit_cast<std::uint32_t>(asRead) ? texts[0]
                                                                                       : texts[1];
}

}  // namespace

PreparedFace PrepareFace(FaceFields fields) {
  PreparedFace face;
  face.faceClass = ClassifyFace(fields.points);
  const float x = fields.texture.xScale;
  const float y = fields.texture.yScale;
  face.xScaleTexts = {ScaleText(x), ScaleText(-x)};
  face.yScaleTexts = {ScaleText(y), ScaleText(-y)};
  if (const std::optional<SurfaceFields>& surface = fields.surface) {
    for (const std::int64_t number : {surface->contents, surface->flags, surface->value}) {
      face.surfaceText += ' ';
      platform::AppendDecimal(face.surfaceText, number);
    }
  }
  face.fields = std::move(fields);
  return face;
}

void RewriteFaceLine(std::string& out, const PreparedFace& face, const PlacementSettings& settings,
                     const document::BlockRecord& record) {
  const Point3 shift = CellReferencePoint(settings, record.cell());
  Point3 placed[3];
  for (int i = 0; i < 3; ++i) {
    const auto& p = face.fields.points[i];
    const Point2 oriented = OrientPoint(record.flags, p[0], p[1]);
    placed[i] = {oriented.x + shift.x, oriented.y + shift.y, p[2] + shift.z};
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
    p = platform::WriteDecimal(p, point.x);
    *p++ = ' ';
    p = platform::WriteDecimal(p, point.y);
    *p++ = ' ';
    p = platform::WriteDecimal(p, point.z);
    *p++ = ' ';
    *p++ = ')';
    *p++ = ' ';
  }
  out.append(points, p);
  out += face.fields.textureName;

  const TextureFields& asRead = face.fields.texture;
  const TextureFields texture = AlignTexture(face.faceClass, record.flags, shift, asRead);
  char numbers[2 * (1 + kMaxOffsetText) + 1 + 20 + 2];
  p = numbers;
  *p++ = ' ';
  p = WriteOffset(p, texture.xOffset);
  *p++ = ' ';
  p = WriteOffset(p, texture.yOffset);
  *p++ = ' ';
  p = platform::WriteDecimal(p, texture.rotation);
  *p++ = ' ';
  out.append(numbers, p);
  out += ScaleTextFor(texture.xScale, asRead.xScale, face.xScaleTexts);
  out += ' ';
  out += ScaleTextFor(texture.yScale, asRead.yScale, face.yScaleTexts);
  if (settings.map.keepFaceFlags) out += face.surfaceText;
}

}  // namespace cw::compiler
