#pragma once

#include <cstdint>
#include <vector>

#include "document/records.h"
#include "editor/family_set.h"

namespace cw::editor {

// A number from the cell's floor, column and row and the pattern number, the same on every machine
// and in every run: painting a cell again, after a Save and a Load or an undo and a redo, chooses
// the same variant.
std::uint64_t CellHash(std::uint32_t pattern, const document::Cell& cell);

// The variant that the hash falls on when each variant takes a share of the hash's values as
// large as its weight. `variants` holds at least one variant, and every weight is at least 1.
const Variant& ChooseVariant(const std::vector<Variant>& variants, std::uint64_t hash);

}  // namespace cw::editor
