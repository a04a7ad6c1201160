// Level files that people edit by hand or that are not level files at all: each loads to a
// defined result, the same on every run, survives a save and a load unchanged, and the
// document rules still hold on it.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/level_edit.h"
#include "document/level_file.h"
#include "support/hostile_inputs.h"
#include "support/level_bytes.h"
#include "support/test_files.h"

namespace cw::document {
namespace {

using cw::testing::LevelBytes;

using cw::testing::HostileInput;
using cw::testing::HostileLevelFiles;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

Level LevelOf(const Level& records) {
  Level level;
  level.BlockList = records.BlockList;
  level.LinkList = records.LinkList;
  return level;
}

const Level& RecordsNamed(const std::vector<HostileInput>& inputs, std::string_view name,
                          std::vector<Level>& loaded) {
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    if (inputs[i].name == name) return loaded[i];
  }
  throw std::logic_error("no hostile level named " + std::string(name));
}

class HostileLevelFilesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    inputs_ = new std::vector<HostileInput>(HostileLevelFiles());
    loaded_ = new std::vector<Level>;
    TempDir dir;
    for (const HostileInput& input : *inputs_) {
      const std::string path = dir.File("hostile.pwl");
      WriteFileBytes(path, input.bytes);
      platform::IoValue<LoadedLevel> result = LoadLevelFile(path);
      EXPECT_EQ(result.status, platform::IoStatus::kOk) << input.name;
      loaded_->push_back(std::move(result.value.level));
    }
  }
  static void TearDownTestSuite() {
    delete inputs_;
    delete loaded_;
  }
  static std::vector<HostileInput>* inputs_;
  static std::vector<Level>* loaded_;
};
std::vector<HostileInput>* HostileLevelFilesTest::inputs_ = nullptr;
std::vector<Level>* HostileLevelFilesTest::loaded_ = nullptr;

TEST_F(HostileLevelFilesTest, EveryLineBecomesARecordTheSameOnEveryRead) {
  for (std::size_t i = 0; i < inputs_->size(); ++i) {
    const HostileInput& input = (*inputs_)[i];
    const Level& records = (*loaded_)[i];
    EXPECT_EQ(records.BlockList.size() + records.LinkList.size(), input.lines) << input.name;
    const Level again = ParseLevelFileText(input.bytes);
    EXPECT_EQ(again.BlockList, records.BlockList) << input.name;
    EXPECT_EQ(again.LinkList, records.LinkList) << input.name;
  }
}

TEST_F(HostileLevelFilesTest, SaveThenLoadGivesTheSameLists) {
  TempDir dir;
  for (std::size_t i = 0; i < inputs_->size(); ++i) {
    const std::string path = dir.File("again.pwl");
    const Level level = LevelOf((*loaded_)[i]);
    ASSERT_TRUE(SaveLevelFile(path, level)) << (*inputs_)[i].name;
    EXPECT_EQ(ReadFileBytes(path), LevelBytes(level)) << (*inputs_)[i].name;
    const platform::IoValue<LoadedLevel> reloaded = LoadLevelFile(path);
    EXPECT_EQ(reloaded.value.level.BlockList, level.BlockList) << (*inputs_)[i].name;
    EXPECT_EQ(reloaded.value.level.LinkList, level.LinkList) << (*inputs_)[i].name;
  }
}

TEST_F(HostileLevelFilesTest, LargeFilesAreReadWhole) {
  const Level& longLine = RecordsNamed(*inputs_, "10 MB line", *loaded_);
  ASSERT_EQ(longLine.BlockList.size(), 2u);
  EXPECT_EQ(longLine.BlockList[0].size(), 8u + 10'000'000u);
  EXPECT_EQ(ParseBlockRecord(longLine.BlockList[0])->name.size(), 10'000'000u);
  EXPECT_EQ(longLine.BlockList[1], "0 1 0 0 B");

  const Level& many = RecordsNamed(*inputs_, "100,000 records", *loaded_);
  EXPECT_EQ(many.BlockList.size(), 100'000u);
  EXPECT_EQ(many.LinkList.size(), 10'000u);
  EXPECT_EQ(many.BlockList.back(), "7 31 20 7 B");

  const Level& longName = RecordsNamed(*inputs_, "10,000-character block name", *loaded_);
  ASSERT_EQ(longName.BlockList.size(), 1u);
  EXPECT_EQ(FindBlockAt(LevelOf(longName), Cell{0, 0, 0})->name, std::string(10'000, 'N'));
}

TEST_F(HostileLevelFilesTest, NumbersOutsideTheRangeAndDamagedRecordsDoNotParse) {
  const Level& nul = RecordsNamed(*inputs_, "NUL bytes", *loaded_);
  ASSERT_EQ(nul.BlockList.size(), 2u);
  EXPECT_EQ(nul.BlockList[0], std::string("0 0 0 0 A\0junk", 14)) << "kept byte for byte";
  EXPECT_EQ(ParseBlockRecord(nul.BlockList[0])->name, "A") << "a NUL ends what is parsed";
  EXPECT_FALSE(ParseLinkRecord(nul.LinkList.at(0)));

  const Level& forty = RecordsNamed(*inputs_, "40-digit numbers", *loaded_);
  for (const std::string& record : forty.BlockList)
    EXPECT_FALSE(ParseBlockRecord(record)) << record;
  EXPECT_FALSE(ParseLinkRecord(forty.LinkList.at(0)));

  const Level& limits = RecordsNamed(*inputs_, "32-bit limits", *loaded_);
  EXPECT_EQ(ParseBlockRecord(limits.BlockList.at(0)),
            (BlockRecord{INT32_MIN, INT32_MIN, INT32_MIN, 7, "A"}));
  EXPECT_FALSE(ParseBlockRecord(limits.BlockList.at(1)));
  EXPECT_EQ(ParseBlockRecord(limits.BlockList.at(2)),
            (BlockRecord{INT32_MAX, 0, 0, INT32_MIN, "A"}));
  EXPECT_EQ(ParseLinkRecord(limits.LinkList.at(0)),
            (LinkRecord{INT32_MIN, INT32_MAX, 0, INT32_MAX, INT32_MIN, 0}));
  EXPECT_FALSE(ParseLinkRecord(limits.LinkList.at(1)));

  const Level& negative = RecordsNamed(*inputs_, "negative floors and cells", *loaded_);
  EXPECT_EQ(ParseBlockRecord(negative.BlockList.at(1)), (BlockRecord{-9, -32, -99, 5, "A"}));
  EXPECT_EQ(ParseBlockRecord(negative.BlockList.at(2)), (BlockRecord{0, 0, 0, 0, "A"}));
  EXPECT_EQ(ParseLinkRecord(negative.LinkList.at(0)), (LinkRecord{-8, -1, -1, 7, -5, -5}));

  const Level& slashes = RecordsNamed(*inputs_, "link records beginning with /", *loaded_);
  EXPECT_EQ(slashes.LinkList, (std::vector<std::string>{"/0 0 0 0 1 1", "/", "//"}));
  for (const std::string& record : slashes.LinkList)
    EXPECT_FALSE(ParseLinkRecord(record)) << record;
}

TEST_F(HostileLevelFilesTest, EditingRulesHoldOnEveryHostileLevel) {
  for (std::size_t i = 0; i < inputs_->size(); ++i) {
    const std::string& name = (*inputs_)[i].name;
    Level level = LevelOf((*loaded_)[i]);
    const std::size_t cellRecords =
        std::count_if(level.BlockList.begin(), level.BlockList.end(), [](const std::string& r) {
          const auto cell = ParseCell(r);
          return cell && *cell == Cell{0, 0, 0};
        });
    // Placing replaces only the cell's first record and appends the new one.
    PlaceBlock(level, BlockRecord{0, 0, 0, 3, "Placed"});
    EXPECT_EQ(level.BlockList.back(), "0 0 0 3 Placed") << name;
    EXPECT_EQ(level.BlockList.size(), (*loaded_)[i].BlockList.size() + (cellRecords == 0 ? 1 : 0))
        << name;
    // A link drawn twice leaves the list as it was; records that do not parse never match.
    const auto links = level.LinkList;
    const LinkRecord link{-8, 0, 0, 7, 99, 99};
    const LinkToggle first = ToggleLink(level, link);
    const LinkToggle second = ToggleLink(level, link);
    EXPECT_NE(first, LinkToggle::kRefused) << name;
    EXPECT_NE(first, second) << name;
    if (first == LinkToggle::kAdded) {
      EXPECT_EQ(level.LinkList, links) << name;
    }
  }
}

}  // namespace
}  // namespace cw::document
