#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/records.h"
#include "editor/piece_shape.h"

namespace cw::editor {

// One block that may draw a shape, and how often it is chosen against the shape's others.
struct Variant {
  std::string block;
  std::uint32_t weight = 1;
  bool operator==(const Variant&) const = default;
};

// Blocks that choose their piece by their neighbours: for each shape, the blocks that draw it in
// the shape's base orientation (BaseSides), one or more, each with its weight.
struct Family {
  std::string name;
  std::array<std::vector<Variant>, kShapeCount> pieces;

  const std::vector<Variant>& PiecesOf(Shape shape) const {
    return pieces[static_cast<int>(shape)];
  }
  // A cell belongs to the family when its block is one of these pieces, variants included.
  bool Holds(std::string_view block) const;
  bool operator==(const Family&) const = default;
};

// The families of a kit, in the order of the families file, and the pattern number mixed into the
// variants' choice.
struct FamilySet {
  std::vector<Family> families;
  std::uint32_t pattern = 0;

  const Family* Find(std::string_view name) const;
  bool operator==(const FamilySet&) const = default;
};

// The block record that a family's cell gets when the neighbours of the same family stand on
// `joined` sides: the shape and orientation that join them, and among that shape's variants the
// one that the cell's hash with the pattern number picks. The same cell always gets the same piece.
document::BlockRecord FamilyPiece(const Family& family, std::uint32_t pattern,
                                  const document::Cell& cell, Sides joined);

}  // namespace cw::editor
