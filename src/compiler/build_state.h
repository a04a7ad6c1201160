#pragma once

#include "compiler/link_usage.h"
#include "compiler/placement.h"
#include "compiler/template_library.h"
#include "document/level.h"

namespace cw::compiler {

// What the three passes of one build share: the level (only read), the placement settings, the
// templates read so far and the links taken by k-targets.
struct BuildState {
  BuildState(const document::Level& level, const PlacementSettings& settings,
             TemplateLibrary& templates)
      : level(level), settings(settings), templates(templates), links(level.LinkList) {}

  const document::Level& level;
  const PlacementSettings& settings;
  TemplateLibrary& templates;
  LinkUsage links;
};

}  // namespace cw::compiler
