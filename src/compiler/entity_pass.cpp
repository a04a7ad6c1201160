#include "compiler/entity_pass.h"

#include <optional>
#include <string>

#include "compiler/face_rewrite.h"
#include "compiler/key_rewrite.h"

namespace cw::compiler {

void WriteEntityPass(MapOutput& out, BuildState& state) {
  const LinkTaker takeLink = [&state](const document::Cell& start) {
    return state.links.TakeLinkFrom(start);
  };
  std::string line;
  for (const std::string& recordText : state.level.BlockList) {
    line = "// ";
    line += recordText;
    out.WriteLine(line);
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(recordText);
    if (!record) continue;
    const BlockTemplate& blockTemplate = state.templates.Get(record->name).blockTemplate;
    for (const TemplateLine& templateLine : blockTemplate.entities) {
      if (templateLine.face) {
        line.clear();
        RewriteFaceLine(line, *templateLine.face, state.settings, *record);
        out.WriteLine(line);
      } else if (templateLine.key) {
        out.WriteLine(RewriteKeyLine(*templateLine.key, state.settings, *record, takeLink));
      } else {
        out.WriteLine(templateLine.text);
      }
    }
  }
}

}  // namespace cw::compiler
