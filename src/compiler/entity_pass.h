#pragma once

#include "compiler/build_state.h"
#include "platform/line_sink.h"

namespace cw::compiler {

// Writes, for each block record, a comment line "// " and the record, followed by the entity
// section of its template: faces placed as in the world entity, the keys origin, angle, distance,
// target and targetname rewritten for the block's cell and orientation, every other line as it
// is. k-targets take the level's links from the block's cell, in list order.
void WriteEntityPass(platform::LineSink& out, BuildState& state);

}  // namespace cw::compiler
