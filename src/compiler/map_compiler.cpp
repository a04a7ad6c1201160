#include "compiler/map_compiler.h"

#include <set>

#include "compiler/brush_pass.h"
#include "compiler/build_state.h"
#include "compiler/entity_pass.h"
#include "compiler/link_relays.h"
#include "document/records.h"
#include "platform/number_format.h"
#include "platform/shown_text.h"

namespace cw::compiler {
namespace {

// Names and records between quotes, their control characters escaped.
std::vector<CompileWarning> CheckLevel(BuildState& state) {
  std::vector<CompileWarning> warnings;
  std::set<std::string> missingNames;
  const auto& blocks = state.level.BlockList;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const auto record = document::ParseBlockRecord(blocks[i]);
    if (!record) {
      warnings.push_back({"block record " + platform::DecimalText(i + 1) + " " +
                              platform::QuotedText(blocks[i]) +
                              " does not parse; only its comment lines are written",
                          {MapLineSource::kBlockBrushes, i}});
      continue;
    }
    const TemplateLibrary::Entry& entry = state.templates.Get(record->name);
    if (!entry.found && missingNames.insert(record->name).second) {
      warnings.push_back({entry.problem + "; blocks named " + platform::QuotedText(record->name) +
                              " get no brushes or entities",
                          {MapLineSource::kBlockBrushes, i}});
    }
  }
  for (std::size_t i = 0; i < state.links.size(); ++i) {
    if (!state.links.link(i)) {
      warnings.push_back({"link record " + platform::DecimalText(i + 1) + " " +
                              platform::QuotedText(state.level.LinkList[i]) +
                              " does not parse; it gets no relay",
                          {MapLineSource::kLinkRelay, i}});
    }
  }
  return warnings;
}

}  // namespace

std::vector<CompileWarning> CompileMap(const document::Level& level,
                                       const PlacementSettings& settings, TemplateSource& templates,
                                       platform::LineSink& out, MapTrace* trace) {
  TemplateLibrary library(templates);
  BuildState state(level, settings, library, trace);
  std::vector<CompileWarning> warnings = CheckLevel(state);
  WriteBrushPass(out, state);
  WriteEntityPass(out, state);
  WriteLinkRelays(out, state);
  return warnings;
}

}  // namespace cw::compiler
