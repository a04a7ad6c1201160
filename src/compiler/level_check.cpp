#include "compiler/level_check.h"

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <system_error>
#include <tuple>

#include "compiler/link_usage.h"
#include "compiler/plane_count.h"
#include "compiler/template_census.h"
#include "platform/number_format.h"
#include "platform/shown_text.h"

namespace cw::compiler {
namespace {

using document::Cell;
using platform::DecimalText;

constexpr std::int32_t kLowestFloor = -8;
constexpr std::int32_t kHighestFloor = 7;
// Cell numbers give a column and a row two decimal digits each.
constexpr std::int32_t kCellNumberSpan = 100;

using CellKey = std::tuple<std::int32_t, std::int32_t, std::int32_t>;
CellKey KeyOf(const Cell& cell) {
  return {cell.floor, cell.column, cell.row};
}

// Names and records between quotes, their control characters escaped.
// Heretic II takes an entity's "message" for the number of a line of its message file and shows
// that line; literal text goes in "text_msg".
bool IsMessageNumber(const std::string& message) {
  return !message.empty() && message.find_first_not_of("0123456789") == std::string::npos;
}
constexpr const char* kMessageNotNumber =
    ", which is not a number: Heretic II shows the line of its message file with that number; "
    "literal text goes in \"text_msg\"";

// The level's grid: the whole cells of the floor canvas.
struct Grid {
  std::int64_t columns;
  std::int64_t rows;
  bool Holds(const Cell& cell) const {
    return cell.floor >= kLowestFloor && cell.floor <= kHighestFloor && cell.column >= 0 &&
           cell.row >= 0 && cell.column < columns && cell.row < rows;
  }
};

// Each template's census, made once per block name.
class Censuses {
 public:
  explicit Censuses(TemplateLibrary& library) : library_(library) {}
  // Nothing for a block name without a template.
  const TemplateCensus* Get(const std::string& name) {
    auto& entry = entries_[name];
    if (!entry) {
      entry = std::make_unique<Entry>();
      const TemplateLibrary::Entry& found = library_.Get(name);
      entry->found = found.found;
      if (found.found) entry->census = CountTemplate(found.blockTemplate);
    }
    return entry->found ? &entry->census : nullptr;
  }

 private:
  struct Entry {
    bool found = false;
    TemplateCensus census;
  };
  TemplateLibrary& library_;
  std::map<std::string, std::unique_ptr<Entry>> entries_;
};

struct Totals {
  std::uint64_t brushes = 0;
  std::uint64_t models = 1;    // the world
  std::uint64_t entities = 1;  // the world
  std::uint64_t faces = 0;
};

class Checker {
 public:
  Checker(const document::Level& level, const settings::Settings& settings,
          TemplateSource& templates, const PictureCheck& hasPicture, const TextureCheck& hasTexture)
      : level_(level),
        settings_(settings),
        library_(templates),
        censuses_(library_),
        hasPicture_(hasPicture),
        hasTexture_(hasTexture),
        grid_{settings.Ax / document::kCellSize, settings.Ay / document::kCellSize},
        links_(level.LinkList),
        planes_(settings.block) {}

  CheckReport Run() {
    for (std::size_t i = 0; i < level_.BlockList.size(); ++i) CheckBlock(i);
    CheckSharedCells();
    for (std::size_t i = 0; i < level_.LinkList.size(); ++i) CheckLink(i);
    CheckWorldMessage();
    if (!playerStart_) {
      std::string names;
      for (const std::string& name : settings_.game.playerStarts) {
        names += names.empty() ? platform::QuotedText(name) : " or " + platform::QuotedText(name);
      }
      Add(FindingKind::kNoPlayerStart, std::nullopt,
          "no player start: no block holds an entity whose classname begins with " + names);
    }
    AddBudget();
    return std::move(report_);
  }

 private:
  void Add(FindingKind kind, std::optional<Cell> cell, std::string text,
           Severity severity = Severity::kProblem) {
    report_.findings.push_back({kind, severity, cell, std::move(text)});
  }

  void CheckBlock(std::size_t index) {
    const std::string& text = level_.BlockList[index];
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(text);
    if (!record) {
      Add(FindingKind::kBlockDoesNotParse, document::ParseCell(text),
          "block record " + DecimalText(index + 1) + " " + platform::QuotedText(text) +
              " does not parse; only its comment lines are written");
      return;
    }
    const Cell cell = record->cell();
    cells_[KeyOf(cell)].push_back(index);
    if (cell.floor < kLowestFloor || cell.floor > kHighestFloor) {
      Add(FindingKind::kFloorOutside, cell,
          platform::QuotedText(text) +
              " stands on a floor outside -8 to 7; the editor never shows it");
    } else if (!grid_.Holds(cell)) {
      Add(FindingKind::kCellOutsideGrid, cell,
          platform::QuotedText(text) + " stands outside the grid of " + DecimalText(grid_.columns) +
              " by " + DecimalText(grid_.rows) + " cells that Ax and Ay give");
    }
    if (cell.column >= kCellNumberSpan || cell.row >= kCellNumberSpan) {
      Add(FindingKind::kCellNumberCollides, cell,
          platform::QuotedText(text) +
              " has a column or row of 100 or more; its cell number, and so its " +
              "entity names, are those of another cell");
    }
    const TemplateCensus* census = censuses_.Get(record->name);
    if (census == nullptr) {
      Add(FindingKind::kNoTemplate, cell,
          "no block template " + platform::QuotedText(record->name + kTemplateExtension) +
              "; the block gets no brushes or entities");
    }
    if (!HasPicture(record->name)) {
      Add(FindingKind::kNoPicture, cell,
          "no picture " + platform::QuotedText(record->name + ".bmp") +
              "; the floor view shows it as Unknown");
    }
    if (census == nullptr) return;
    for (const std::string& target : census->linkTargets) {
      if (!links_.TakeLinkFrom(cell)) {
        Add(FindingKind::kLinkTargetWithoutLink, cell,
            "the target " + platform::QuotedText(target) + " of " +
                platform::QuotedText(record->name) +
                " has no link from this cell; it is written unchanged");
      }
    }
    CheckMessages(record->name, cell, *census);
    CheckTextures(record->name, cell, *census);
    for (const std::string& classname : census->classnames) {
      for (const std::string& start : settings_.game.playerStarts) {
        if (classname.compare(0, start.size(), start) == 0) playerStart_ = true;
      }
    }
    totals_.brushes += census->worldBrushes + census->entityBrushes;
    totals_.models += census->brushEntities;
    totals_.entities += census->entities;
    totals_.faces += census->faces;
    planes_.AddBlock(*record, census->planes);
  }

  // Each template once, at the first record that names it.
  void CheckMessages(const std::string& name, const Cell& cell, const TemplateCensus& census) {
    if (settings_.game.target != settings::TargetGame::kHeretic2) return;
    if (!messagesChecked_.insert(name).second) return;
    for (const std::string& message : census.messages) {
      if (IsMessageNumber(message)) continue;
      Add(FindingKind::kMessageNotNumber, cell,
          platform::QuotedText(name) + " has the message " + platform::QuotedText(message) +
              kMessageNotNumber,
          Severity::kWarning);
    }
  }

  // Each texture once, at the first record whose template has it: a texture no compiler finds
  // leaves its faces without one.
  void CheckTextures(const std::string& name, const Cell& cell, const TemplateCensus& census) {
    if (!hasTexture_ || !templatesOfTextures_.insert(name).second) return;
    for (const std::string& texture : census.textures) {
      if (!texturesChecked_.insert(texture).second || hasTexture_(texture)) continue;
      std::string places = WalTexturePath(texture);
      for (const std::string& path : M8TexturePaths(texture)) places += ", " + path;
      Add(FindingKind::kNoTexture, cell,
          "the face texture " + platform::QuotedText(texture) + " of " +
              platform::QuotedText(name) + " is found nowhere: in no WAD of the wad key, and no " +
              places,
          Severity::kWarning);
    }
  }

  // The world's own keys come from [World] in the settings file.
  void CheckWorldMessage() {
    if (settings_.game.target != settings::TargetGame::kHeretic2) return;
    for (const settings::WorldKey& key : settings_.block.map.worldKeys) {
      if (key.key != "message" || IsMessageNumber(key.value)) continue;
      Add(FindingKind::kMessageNotNumber, std::nullopt,
          "the world has the message " + platform::QuotedText(key.value) + " from [World]" +
              kMessageNotNumber,
          Severity::kWarning);
    }
  }

  bool HasPicture(const std::string& name) {
    const auto found = pictures_.find(name);
    if (found != pictures_.end()) return found->second;
    const bool has = hasPicture_ ? hasPicture_(name) : true;
    pictures_.emplace(name, has);
    return has;
  }

  void CheckSharedCells() {
    for (const auto& [key, indices] : cells_) {
      if (indices.size() < 2) continue;
      const auto& [floor, column, row] = key;
      Add(FindingKind::kSharedCell, Cell{floor, column, row},
          DecimalText(static_cast<std::int64_t>(indices.size())) +
              " block records for this cell; the floor view shows only the last, " +
              platform::QuotedText(level_.BlockList[indices.back()]) + ", and all are built");
    }
  }

  // Whether a block of the cell has an entity named t0, which a link's relay fires.
  bool CellHasT0(const std::vector<std::size_t>& indices) {
    for (const std::size_t index : indices) {
      const auto record = document::ParseBlockRecord(level_.BlockList[index]);
      const TemplateCensus* census = censuses_.Get(record->name);
      if (census == nullptr) continue;
      for (const std::string& name : census->targetnames) {
        if (name == "t0") return true;
      }
    }
    return false;
  }

  void CheckLink(std::size_t index) {
    const std::string& text = level_.LinkList[index];
    const std::optional<document::LinkRecord> link = links_.link(index);
    if (!link) {
      Add(FindingKind::kLinkDoesNotParse, document::ParseCell(text),
          "link record " + DecimalText(index + 1) + " " + platform::QuotedText(text) +
              " does not parse; it gets no relay");
      return;
    }
    if (!links_.IsTaken(index)) ++totals_.entities;  // its relay
    const std::string name = "the link " + platform::QuotedText(text);
    if (!grid_.Holds(link->start()) || !grid_.Holds(link->end())) {
      Add(FindingKind::kLinkOffGrid, link->start(),
          name + (grid_.Holds(link->start()) ? " ends" : " starts") + " off the grid");
    }
    const auto end = cells_.find(KeyOf(link->end()));
    if (end == cells_.end()) {
      Add(FindingKind::kLinkEndEmpty, link->start(),
          name + " ends at " + CellText(link->end()) + ", which holds no block; it fires nothing");
    } else if (!CellHasT0(end->second)) {
      Add(FindingKind::kLinkEndWithoutT0, link->start(),
          name + " ends at " + CellText(link->end()) +
              ", whose block has no entity named t0; it fires nothing");
    }
  }

  void AddBudget() {
    const std::vector<GameLimit>& limits = LimitsOf(settings_.game.target);
    const std::string game = settings::TargetGameName(settings_.game.target);
    for (const GameLimit& limit : limits) {
      std::uint64_t count = 0;
      switch (limit.item) {
        case BudgetItem::kBrushes:
          count = totals_.brushes;
          break;
        case BudgetItem::kModels:
          count = totals_.models;
          break;
        case BudgetItem::kEntities:
          count = totals_.entities;
          break;
        case BudgetItem::kFaces:
          count = totals_.faces;
          break;
        case BudgetItem::kPlanes:
          count = planes_.Count() * (KeepsPlanePairs(settings_.game.target) ? 2 : 1);
          break;
      }
      std::string text = game + " budget: " + std::string(limit.name) + " " +
                         (limit.lowerBound ? "at least " : "") +
                         DecimalText(static_cast<std::int64_t>(count)) + " of " +
                         DecimalText(static_cast<std::int64_t>(limit.limit));
      Severity severity = Severity::kNote;
      if (count > limit.limit) {
        severity = Severity::kProblem;
        text += ", over the limit";
      } else if (count * 10 >= limit.limit * 9) {
        severity = Severity::kWarning;
        text += ", within 10% of the limit";
      }
      Add(FindingKind::kBudget, std::nullopt, std::move(text), severity);
    }
  }

  const document::Level& level_;
  const settings::Settings& settings_;
  TemplateLibrary library_;
  Censuses censuses_;
  const PictureCheck& hasPicture_;
  const TextureCheck& hasTexture_;
  Grid grid_;
  LinkUsage links_;
  PlaneCount planes_;
  std::map<CellKey, std::vector<std::size_t>> cells_;
  std::map<std::string, bool> pictures_;
  std::set<std::string> messagesChecked_;
  std::set<std::string> templatesOfTextures_;
  std::set<std::string> texturesChecked_;
  Totals totals_;
  bool playerStart_ = false;
  CheckReport report_;
};

}  // namespace

std::string CellText(const Cell& cell) {
  return "floor " + DecimalText(cell.floor) + ", cell " + DecimalText(cell.column) + " " +
         DecimalText(cell.row);
}

std::string FindingText(const Finding& finding) {
  return finding.cell ? CellText(*finding.cell) + ": " + finding.text : finding.text;
}

bool CheckReport::HasProblems() const {
  for (const Finding& finding : findings) {
    if (finding.severity == Severity::kProblem) return true;
  }
  return false;
}

bool PictureFileExists(const std::string& blockName) {
  std::error_code error;
  return std::filesystem::is_regular_file(blockName + ".bmp", error);
}

CheckReport CheckLevel(const document::Level& level, const settings::Settings& settings,
                       TemplateSource& templates, const PictureCheck& hasPicture,
                       const TextureCheck& hasTexture) {
  return Checker(level, settings, templates, hasPicture, hasTexture).Run();
}

}  // namespace cw::compiler
