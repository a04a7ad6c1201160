#include "compiler/link_relays.h"
#include "platform/number_format.h"

#include <string>

#include "compiler/number_text.h"
#include "compiler/placement.h"

namespace cw::compiler {

void WriteLinkRelays(platform::LineSink& out, BuildState& state) {
  const PlacementSettings& s = state.settings;
  std::string line;
  for (std::size_t i = 0; i < state.links.size(); ++i) {
    const std::optional<document::LinkRecord>& link = state.links.link(i);
    if (!link || state.links.IsTaken(i)) continue;
    // Division truncates toward zero, also for a negative floor height.
    const std::int64_t halfFloor = s.Bz / 2;
    state.Trace(out, MapLineSource::kLinkRelay, i);
    out.WriteLine("{");
    out.WriteLine("\"classname\" \"trigger_relay\"");
    line = "\"origin\" \"";
    platform::AppendDecimal(line, std::int64_t{s.Bx} * link->startColumn + s.Ox);
    line += ' ';
    platform::AppendDecimal(line, std::int64_t{s.Oy} - std::int64_t{s.By} * link->startRow);
    line += ' ';
    platform::AppendDecimal(line, halfFloor + std::int64_t{s.Bz} * link->startFloor);
    line += '"';
    out.WriteLine(line);
    line = "\"targetname\" \"t0";
    platform::AppendDecimal(line, CellNumber(link->startFloor, link->startColumn, link->startRow));
    line += '"';
    out.WriteLine(line);
    line = "\"target\" \"t0";
    platform::AppendDecimal(line, CellNumber(link->endFloor, link->endColumn, link->endRow));
    line += '"';
    out.WriteLine(line);
    out.WriteLine("}");
  }
  if (state.trace != nullptr) state.trace->Finish(out.LinesWritten());
}

}  // namespace cw::compiler
