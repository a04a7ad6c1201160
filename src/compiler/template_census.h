#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/block_template.h"

namespace cw::compiler {

// The plane of a template face: its normal reduced to whole numbers with no common divisor,
// and one of its points, both in the template's own coordinates.
struct TemplatePlane {
  std::array<std::int64_t, 3> normal{};
  std::array<std::int32_t, 3> point{};
};

// What one copy of a block template adds to a map, counted once per template for Check.
struct TemplateCensus {
  std::size_t worldBrushes = 0;   // brushes of the worldspawn section
  std::size_t entities = 0;       // entities of the entity section
  std::size_t brushEntities = 0;  // of them, those with at least one brush (a model each)
  std::size_t entityBrushes = 0;  // brushes of those entities
  std::size_t faces = 0;          // face lines that parse, in both sections
  // The planes of the faces whose points span one and are small enough to be compared exactly.
  std::vector<TemplatePlane> planes;
  std::vector<std::string> classnames;   // the values of "classname" keys, in template order
  std::vector<std::string> targetnames;  // the names of "targetname" keys, as read
  std::vector<std::string> linkTargets;  // the "target" values that take a link ("k...")
  std::vector<std::string> messages;     // the values of "message" keys, in both sections
  std::vector<std::string> textures;     // the faces' texture names, each once, in order
};

TemplateCensus CountTemplate(const BlockTemplate& blockTemplate);

}  // namespace cw::compiler
