#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compiler/game_limits.h"
#include "compiler/template_library.h"
#include "compiler/texture_sources.h"
#include "document/level.h"
#include "document/records.h"
#include "settings/settings.h"

namespace cw::compiler {

// What Check can find, so that a caller may leave out what another report already said.
enum class FindingKind {
  kBlockDoesNotParse,
  kNoTemplate,
  kNoPicture,
  kFloorOutside,
  kCellOutsideGrid,
  kCellNumberCollides,
  kSharedCell,
  kLinkTargetWithoutLink,
  kLinkDoesNotParse,
  kLinkOffGrid,
  kLinkEndEmpty,
  kLinkEndWithoutT0,
  kNoPlayerStart,
  kMessageNotNumber,
  kNoTexture,
  kBudget,
};

enum class Severity { kNote, kWarning, kProblem };

struct Finding {
  FindingKind kind;
  Severity severity = Severity::kProblem;
  std::optional<document::Cell> cell;  // the cell it concerns; a link's start cell
  std::string text;
  bool operator==(const Finding&) const = default;
};

// The text of a finding as the log and the command line show it: "floor 0, cell 3 4: ..." for
// one with a cell, the text alone otherwise.
std::string FindingText(const Finding& finding);
// "floor 0, cell 3 4"
std::string CellText(const document::Cell& cell);

struct CheckReport {
  std::vector<Finding> findings;  // in level order: blocks, cells, links, the level, the budget
  bool HasProblems() const;
};

// Whether the working folder holds the picture of a block name.
using PictureCheck = std::function<bool(const std::string& blockName)>;
// The picture "NAME.bmp" as a file of the current directory.
bool PictureFileExists(const std::string& blockName);

// Checks a level before it is built, against its templates, its pictures, its face textures
// (not at all when `hasTexture` is empty), the settings (placement, the grid that Ax and Ay give,
// the target game and its player starts) and the game's limits. The budget
// comes last: one line per limit with the count, as a note, a warning within 10% of the limit
// or a problem over it.
CheckReport CheckLevel(const document::Level& level, const settings::Settings& settings,
                       TemplateSource& templates, const PictureCheck& hasPicture,
                       const TextureCheck& hasTexture = {});

}  // namespace cw::compiler
