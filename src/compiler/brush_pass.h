#pragma once

#include "compiler/build_state.h"
#include "platform/line_sink.h"

namespace cw::compiler {

// Writes the map's world entity: "{" and the worldspawn classname, the world keys of the settings
// (none by default), then for each block record a comment line "// " and the record, followed by
// the worldspawn section of its template with every face placed, then "}".
void WriteBrushPass(platform::LineSink& out, BuildState& state);

}  // namespace cw::compiler
