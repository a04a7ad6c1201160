#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compiler/build_state.h"
#include "document/records.h"
#include "platform/line_sink.h"

namespace cw::compiler {

// The walk that the brush pass and the entity pass share: for each block record, in list order,
// the comment line "// " and the record text, then, when the record parses, `writeBlock` with the
// record and its template. Each record's lines are traced to it as the state's blockSource.
template <typename WriteBlock>
void ForEachBlock(platform::LineSink& out, BuildState& state, WriteBlock writeBlock) {
  std::string comment;
  const std::vector<std::string>& blocks = state.level.BlockList;
  for (std::size_t index = 0; index < blocks.size(); ++index) {
    const std::string& recordText = blocks[index];
    state.Trace(out, state.blockSource, index);
    comment = "// ";
    comment += recordText;
    out.WriteLine(comment);
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(recordText);
    if (!record) continue;
    writeBlock(*record, state.templates.Get(record->name).blockTemplate);
  }
}

}  // namespace cw::compiler
