#pragma once

#include "compiler/build_state.h"
#include "platform/line_sink.h"

namespace cw::compiler {

// Writes a trigger_relay entity for every link that parses and that no k-target took, in list
// order: at the start cell's reference point raised by half a floor, named "t0" and the start
// cell's number, targeting "t0" and the end cell's number.
void WriteLinkRelays(platform::LineSink& out, BuildState& state);

}  // namespace cw::compiler
