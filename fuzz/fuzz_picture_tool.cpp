// The block picture tool's reading of a template: the map text parser, the template checks, the
// brush checks and the picture drawn from above, under arbitrary bytes. Beyond "no crash, no
// undefined behaviour": parsing and drawing are deterministic and the picture is 32 x 32.
#include <cstdint>
#include <string>

#include "formats/map_text.h"
#include "pictures/block_picture.h"
#include "pictures/template_check.h"
#include "scene/polyhedron.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cw::pictures;
  using cw::formats::MapBrush;
  using cw::formats::ParsedMap;
  using cw::formats::ParseMapText;
  using cw::fuzz::Require;
  using cw::scene::CheckBrush;
  const std::string_view text = cw::fuzz::InputText(data, size);
  const ParsedMap map = ParseMapText(text);
  Require(ParseMapText(text).errors == map.errors, "parsing is deterministic");
  const std::vector<std::string> problems = CheckTemplateText(text);
  for (const MapEntity& entity : map.entities) {
    for (const MapBrush& brush : entity.brushes) (void)CheckBrush(brush);
  }
  const IndexedPicture picture = RenderBlockPicture(map.entities, PictureView{});
  Require(picture.width == 32 && picture.height == 32, "the picture is 32 x 32");
  Require(RenderBlockPicture(map.entities, PictureView{}).pixels == picture.pixels,
          "drawing is deterministic");
  return 0;
}
