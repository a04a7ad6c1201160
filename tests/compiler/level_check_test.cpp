// Check: every finding on a small level, each with its floor and cell, and the budget against
// the limits of the target game.
#include "compiler/level_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cw::compiler {
namespace {

// Every finding as "severity | text".
std::string Listed(const CheckReport& report) {
  std::string out;
  for (const Finding& finding : report.findings) {
    const char* severity = finding.severity == Severity::kProblem   ? "problem"
                           : finding.severity == Severity::kWarning ? "warning"
                                                                    : "note";
    out += std::string(severity) + " | " + FindingText(finding) + "\n";
  }
  return out;
}

constexpr const char* kBox =
    "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 0 0 0 1 1\n}\n}\n"
    "{\n\"classname\" \"func_door\"\n\"targetname\" \"t0\"\n{\n"
    "( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) D 0 0 0 1 1\n}\n}\n"
    "{\n\"classname\" \"trigger_once\"\n\"target\" \"kgo\"\n}\n";
constexpr const char* kPlain =
    "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 8 ) ( 0 64 8 ) ( 64 64 8 ) W 0 0 0 1 1\n}\n}\n";
constexpr const char* kStart =
    "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"info_player_start2\"\n}\n";

settings::Settings SmallGrid() {
  settings::Settings settings;
  settings.Ax = 128;  // 4 by 4 cells
  settings.Ay = 140;
  return settings;
}

TEST(LevelCheckTest, EveryFindingWithItsFloorAndCell) {
  MemoryTemplateSource templates;
  templates.Add("Box", kBox);
  templates.Add("Plain", kPlain);
  document::Level level;
  level.BlockList = {"0 0 0 0 Box",   "oops",        "0 1 0 0 Gone",  "9 0 0 0 Box", "0 5 0 0 Box",
                     "0 100 2 0 Box", "0 0 0 0 Box", "0 2 2 0 Plain", "1 2 3 junk"};
  level.LinkList = {"0 0 0 0 2 2", "0 3 3 0 1 1", "0 0 0 0 9 9", "bad link"};
  const CheckReport report = CheckLevel(
      level, SmallGrid(), templates, [](const std::string& name) { return name != "Gone"; },
      [](const std::string& texture) { return texture != "D"; });
  EXPECT_EQ(
      Listed(report),
      "warning | floor 0, cell 0 0: the face texture \"D\" of \"Box\" is found nowhere: in no WAD "
      "of the wad key, and no textures/D.wal, textures/D.m8, base/textures/D.m8\n"
      "problem | block record 2 \"oops\" does not parse; only its comment lines are written\n"
      "problem | floor 0, cell 1 0: no block template \"Gone.map\"; the block gets no brushes "
      "or entities\n"
      "problem | floor 0, cell 1 0: no picture \"Gone.bmp\"; the floor view shows it as "
      "Unknown\n"
      "problem | floor 9, cell 0 0: \"9 0 0 0 Box\" stands on a floor outside -8 to 7; the "
      "editor never shows it\n"
      "problem | floor 9, cell 0 0: the target \"kgo\" of \"Box\" has no link from this "
      "cell; it is written unchanged\n"
      "problem | floor 0, cell 5 0: \"0 5 0 0 Box\" stands outside the grid of 4 by 4 cells "
      "that Ax and Ay give\n"
      "problem | floor 0, cell 5 0: the target \"kgo\" of \"Box\" has no link from this "
      "cell; it is written unchanged\n"
      "problem | floor 0, cell 100 2: \"0 100 2 0 Box\" stands outside the grid of 4 by 4 "
      "cells that Ax and Ay give\n"
      "problem | floor 0, cell 100 2: \"0 100 2 0 Box\" has a column or row of 100 or more; "
      "its cell number, and so its entity names, are those of another cell\n"
      "problem | floor 0, cell 100 2: the target \"kgo\" of \"Box\" has no link from this "
      "cell; it is written unchanged\n"
      "problem | floor 1, cell 2 3: block record 9 \"1 2 3 junk\" does not parse; only its "
      "comment lines are written\n"
      "problem | floor 0, cell 0 0: 2 block records for this cell; the floor view shows only "
      "the last, \"0 0 0 0 Box\", and all are built\n"
      "problem | floor 0, cell 0 0: the link \"0 0 0 0 2 2\" ends at floor 0, cell 2 2, "
      "whose block has no entity named t0; it fires nothing\n"
      "problem | floor 0, cell 3 3: the link \"0 3 3 0 1 1\" ends at floor 0, cell 1 1, "
      "which holds no block; it fires nothing\n"
      "problem | floor 0, cell 0 0: the link \"0 0 0 0 9 9\" ends off the grid\n"
      "problem | floor 0, cell 0 0: the link \"0 0 0 0 9 9\" ends at floor 0, cell 9 9, "
      "which holds no block; it fires nothing\n"
      "problem | link record 4 \"bad link\" does not parse; it gets no relay\n"
      "problem | no player start: no block holds an entity whose classname begins with "
      "\"info_player_start\"\n"
      "note | Quake budget: brushes 11 of 4096\n"
      "note | Quake budget: brush models 6 of 256\n"
      "note | Quake budget: entities 12 of 600\n"
      "note | Quake budget: faces at least 11 of 65535\n"
      "note | Quake budget: planes at least 5 of 32767\n");
  EXPECT_TRUE(report.HasProblems());
}

TEST(LevelCheckTest, AWellMadeLevelHasOnlyItsBudget) {
  MemoryTemplateSource templates;
  templates.Add("Box", kBox);
  templates.Add("Start", kStart);
  document::Level level;
  level.BlockList = {"0 0 0 0 Box", "0 1 1 4 Box", "-1 3 3 0 Start"};
  level.LinkList = {"0 0 0 0 1 1", "0 1 1 0 0 0", "-1 3 3 0 0 0"};
  settings::Settings settings = SmallGrid();
  settings.game.target = settings::TargetGame::kQuake2;
  settings.game.playerStarts = {"info_player_coop", "info_player_start"};
  const CheckReport report =
      CheckLevel(level, settings, templates, [](const std::string&) { return true; });
  // The relay of the third link counts as an entity; the rotated door's wall is a plane of its
  // own; Quake 2 keeps two entries per plane.
  EXPECT_EQ(Listed(report),
            "note | Quake2 budget: brushes 4 of 8192\n"
            "note | Quake2 budget: brush models 3 of 256\n"
            "note | Quake2 budget: entities 7 of 1024\n"
            "note | Quake2 budget: brush sides at least 4 of 65536\n"
            "note | Quake2 budget: planes at least 6 of 65536\n");
  EXPECT_FALSE(report.HasProblems());
}

TEST(LevelCheckTest, ABudgetNearItsLimitWarnsAndOneOverItIsAProblem) {
  MemoryTemplateSource templates;
  templates.Add("Box", kBox);
  templates.Add("Start", kStart);
  auto levelOf = [](int doors) {
    document::Level level;
    level.BlockList.push_back("0 0 0 0 Start");
    for (int i = 0; i < doors; ++i) {
      level.BlockList.push_back("1 " + std::to_string(i % 30) + " " + std::to_string(i / 30) +
                                " 0 Box");
      level.LinkList.push_back("1 " + std::to_string(i % 30) + " " + std::to_string(i / 30) +
                               " 0 0 0");
    }
    return level;
  };
  settings::Settings settings;
  auto budget = [&](int doors) {
    std::vector<std::string> lines;
    for (const Finding& f : CheckLevel(levelOf(doors), settings, templates, {}).findings) {
      if (f.kind == FindingKind::kBudget && f.severity != Severity::kNote) {
        lines.push_back(FindingText(f));
      }
    }
    return lines;
  };
  // 230 doors: 231 models, at 90% of 256 within the 10% margin; 462 entities are not yet.
  EXPECT_EQ(budget(230),
            (std::vector<std::string>{"Quake budget: brush models 231 of 256, within 10% of the "
                                      "limit"}));
  EXPECT_EQ(budget(300),
            (std::vector<std::string>{"Quake budget: brush models 301 of 256, over the limit",
                                      "Quake budget: entities 602 of 600, over the limit"}));
}

TEST(LevelCheckTest, HereticIIWarnsOfEachMessageThatIsNotANumberAndHasItsOwnBudget) {
  MemoryTemplateSource templates;
  templates.Add("Start", kStart);
  templates.Add("Sign",
                "{\n\"classname\" \"worldspawn\"\n\"message\" \"Welcome\"\n}\n"
                "{\n\"classname\" \"trigger_once\"\n\"message\" \"12\"\n}\n"
                "{\n\"classname\" \"func_door\"\n\"message\" \"\"\n\"text_msg\" \"Locked\"\n{\n"
                "( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) D 0 0 0 1 1\n}\n}\n");
  document::Level level;
  level.BlockList = {"0 0 0 0 Start", "0 1 0 0 Sign", "0 2 0 0 Sign"};
  settings::Settings settings = SmallGrid();
  settings.block.map.worldKeys = {{"message", "3"}, {"message", "My level"}};
  settings.game.target = settings::TargetGame::kHeretic2;
  // Each template once, at its first record; the world's keys from [World].
  EXPECT_EQ(Listed(CheckLevel(level, settings, templates, {})),
            "warning | floor 0, cell 1 0: \"Sign\" has the message \"Welcome\", which is not a "
            "number: Heretic II shows the line of its message file with that number; literal "
            "text goes in \"text_msg\"\n"
            "warning | floor 0, cell 1 0: \"Sign\" has the message \"\", which is not a number: "
            "Heretic II shows the line of its message file with that number; literal text goes "
            "in \"text_msg\"\n"
            "warning | the world has the message \"My level\" from [World], which is not a "
            "number: Heretic II shows the line of its message file with that number; literal "
            "text goes in \"text_msg\"\n"
            "note | Heretic2 budget: brushes 2 of 8192\n"
            "note | Heretic2 budget: brush models 3 of 256\n"
            "note | Heretic2 budget: entities 6 of 1024\n"
            "note | Heretic2 budget: brush sides at least 2 of 65536\n"
            "note | Heretic2 budget: planes at least 2 of 65536\n");
  // For the other games a message is text.
  settings.game.target = settings::TargetGame::kQuake2;
  for (const Finding& finding : CheckLevel(level, settings, templates, {}).findings) {
    EXPECT_EQ(finding.kind, FindingKind::kBudget) << FindingText(finding);
  }
}

}  // namespace
}  // namespace cw::compiler
