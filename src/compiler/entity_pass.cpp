#include "compiler/entity_pass.h"

#include <string>

#include "compiler/block_walk.h"
#include "compiler/face_rewrite.h"
#include "compiler/key_rewrite.h"

namespace cw::compiler {

void WriteEntityPass(platform::LineSink& out, BuildState& state) {
  const LinkTaker takeLink = [&state](const document::Cell& start) {
    return state.links.TakeLinkFrom(start);
  };
  std::string line;
  state.blockSource = MapLineSource::kBlockEntities;
  ForEachBlock(out, state, [&](const document::BlockRecord& record, const BlockTemplate& block) {
    for (const TemplateLine& templateLine : block.entities) {
      if (templateLine.face) {
        line.clear();
        RewriteFaceLine(line, *templateLine.face, state.settings, record);
        out.WriteLine(line);
      } else if (templateLine.key) {
        out.WriteLine(RewriteKeyLine(*templateLine.key, state.settings, record, takeLink));
      } else {
        out.WriteLine(templateLine.text);
      }
    }
  });
}

}  // namespace cw::compiler
