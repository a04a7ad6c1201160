#pragma once

#include <string>
#include <vector>

#include "compiler/map_trace.h"
#include "compiler/placement.h"
#include "compiler/template_library.h"
#include "document/level.h"
#include "platform/line_sink.h"

namespace cw::compiler {

// A warning of the compiler and the record it is about: a block record (as kBlockBrushes) or a
// link record (as kLinkRelay).
struct CompileWarning {
  std::string text;
  MapLineOrigin record;
  bool operator==(const CompileWarning&) const = default;
};

// Compiles the level into map lines: the brush pass, the entity pass and the relay pass, in that
// order. Returns the warnings, in level order, each with its record: block records that do not
// parse, block templates that are missing (once per block name) and link records that do not
// parse. The level is only read. With a trace, every line written is traced to the record that
// wrote it.
std::vector<CompileWarning> CompileMap(const document::Level& level,
                                       const PlacementSettings& settings, TemplateSource& templates,
                                       platform::LineSink& out, MapTrace* trace = nullptr);

}  // namespace cw::compiler
