#pragma once

#include "compiler/link_usage.h"
#include "compiler/map_trace.h"
#include "compiler/placement.h"
#include "compiler/template_library.h"
#include "document/level.h"

namespace cw::compiler {

// What the three passes of one build share: the level (only read), the placement settings, the
// templates read so far and the links taken by k-targets.
struct BuildState {
  BuildState(const document::Level& level, const PlacementSettings& settings,
             TemplateLibrary& templates, MapTrace* trace = nullptr)
      : level(level),
        settings(settings),
        templates(templates),
        links(level.LinkList),
        trace(trace) {}

  // Notes that the next line of `out` is the first one from `origin`, when a trace is kept.
  template <typename Sink>
  void Trace(const Sink& out, MapLineSource source, std::size_t index = 0) {
    if (trace != nullptr) trace->Begin(out.LinesWritten() + 1, {source, index});
  }

  const document::Level& level;
  const PlacementSettings& settings;
  TemplateLibrary& templates;
  LinkUsage links;
  MapTrace* trace;  // none: no trace is kept
  // What the block walk of the pass that runs writes: brushes or entities.
  MapLineSource blockSource = MapLineSource::kBlockBrushes;
};

}  // namespace cw::compiler
