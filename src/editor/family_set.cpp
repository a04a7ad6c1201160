#include "editor/family_set.h"

#include "editor/variant_choice.h"

namespace cw::editor {

bool Family::Holds(std::string_view block) const {
  for (const std::vector<Variant>& variants : pieces) {
    for (const Variant& variant : variants) {
      if (variant.block == block) return true;
    }
  }
  return false;
}

const Family* FamilySet::Find(std::string_view name) const {
  for (const Family& family : families) {
    if (family.name == name) return &family;
  }
  return nullptr;
}

document::BlockRecord FamilyPiece(const Family& family, std::uint32_t pattern,
                                  const document::Cell& cell, Sides joined) {
  const PieceTurn turn = PieceFor(joined);
  const Variant& variant = ChooseVariant(family.PiecesOf(turn.shape), CellHash(pattern, cell));
  return {cell.floor, cell.column, cell.row, turn.flags, variant.block};
}

}  // namespace cw::editor
