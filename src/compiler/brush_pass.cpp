#include "compiler/brush_pass.h"

#include <string>

#include "compiler/block_walk.h"
#include "compiler/face_rewrite.h"

namespace cw::compiler {

void WriteBrushPass(platform::LineSink& out, BuildState& state) {
  state.Trace(out, MapLineSource::kWorld);
  out.WriteLine("{");
  out.WriteLine("\"classname\" \"worldspawn\"");
  // Map parsers take an entity's keys before its brushes: the world keys of the settings come
  // first, once, whatever the blocks hold.
  std::string line;
  for (const settings::WorldKey& key : state.settings.map.worldKeys) {
    line = "\"" + key.key + "\" \"" + key.value + "\"";
    out.WriteLine(line);
  }
  state.blockSource = MapLineSource::kBlockBrushes;
  ForEachBlock(out, state, [&](const document::BlockRecord& record, const BlockTemplate& block) {
    for (const TemplateLine& templateLine : block.worldspawn) {
      if (templateLine.face) {
        line.clear();
        RewriteFaceLine(line, *templateLine.face, state.settings, record);
        out.WriteLine(line);
      } else {
        out.WriteLine(templateLine.text);
      }
    }
  });
  state.Trace(out, MapLineSource::kWorld);
  out.WriteLine("}");
}

}  // namespace cw::compiler
