#include "compiler/brush_pass.h"

#include <optional>
#include <string>

#include "compiler/face_rewrite.h"

namespace cw::compiler {

void WriteBrushPass(MapOutput& out, BuildState& state) {
  out.WriteLine("{");
  out.WriteLine("\"classname\" \"worldspawn\"");
  std::string line;
  for (const std::string& recordText : state.level.BlockList) {
    line = "// ";
    line += recordText;
    out.WriteLine(line);
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(recordText);
    if (!record) continue;
    const BlockTemplate& blockTemplate = state.templates.Get(record->name).blockTemplate;
    for (const TemplateLine& templateLine : blockTemplate.worldspawn) {
      if (templateLine.face) {
        line.clear();
        RewriteFaceLine(line, *templateLine.face, state.settings, *record);
        out.WriteLine(line);
      } else {
        out.WriteLine(templateLine.text);
      }
    }
  }
  out.WriteLine("}");
}

}  // namespace cw::compiler
