#include "document/level_file.h"

#include "document/records.h"
#include "formats/level_file.h"
#include "platform/file_reader.h"
#include "platform/replacing_file_writer.h"

namespace cw::document {

void WriteLevelFile(platform::LineSink& out, const Level& level) {
  formats::WriteLevelFileLines(out, level.BlockList, level.LinkList);
}

Level ParseLevelFileText(std::string_view bytes) {
  formats::LevelFileLines lines = formats::ReadLevelFileLines(bytes);
  Level level;
  level.BlockList = std::move(lines.blocks);
  level.LinkList = std::move(lines.links);
  return level;
}

namespace {

bool HoldsARecord(const Level& level) {
  for (const std::string& record : level.BlockList) {
    if (ParseBlockRecord(record)) return true;
  }
  for (const std::string& record : level.LinkList) {
    if (ParseLinkRecord(record)) return true;
  }
  return false;
}

// LooksLikeLevelFile, with the level already parsed from the bytes.
bool LooksLikeLevel(std::string_view bytes, const Level& parsed) {
  return bytes.empty() || (bytes.find('\0') == std::string_view::npos && HoldsARecord(parsed));
}

}  // namespace

bool LooksLikeLevelFile(std::string_view bytes) {
  return LooksLikeLevel(bytes, ParseLevelFileText(bytes));
}

platform::IoValue<LoadedLevel> LoadLevelFile(const std::string& path) {
  const platform::IoValue<std::string> read =
      platform::ReadWholeFile(path, platform::kLevelFileLimit);
  platform::IoValue<LoadedLevel> loaded{read, {}};  // how the read ended
  if (loaded.ok()) {
    loaded.value.level = ParseLevelFileText(read.value);
    loaded.value.looksLikeLevel = LooksLikeLevel(read.value, loaded.value.level);
  } else if (loaded.status != platform::IoStatus::kNotFound) {
    return loaded;
  }
  loaded.value.level.DocumentName = DocumentNameFromPath(path);
  return loaded;
}

platform::IoResult SaveLevelFile(const std::string& path, const Level& level) {
  platform::ReplacingFileWriter writer(path);
  if (auto opened = writer.Open(); !opened) return opened;
  WriteLevelFile(writer, level);
  return writer.Commit();
}

std::string DocumentNameFromPath(std::string_view path) {
  // Both separators, whatever the platform: a level's name is taken the same way from a Windows
  // path as from a POSIX one.
  const std::size_t separator = path.find_last_of("/\\");
  std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return std::string(name);
}

}  // namespace cw::document
