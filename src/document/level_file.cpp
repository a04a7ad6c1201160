#include "document/level_file.h"

#include "platform/replacing_file_writer.h"
#include "platform/text_lines.h"

namespace cw::document {

std::string LevelFileText(const Level& level) {
  std::string text;
  for (const std::string& record : level.BlockList) {
    text += record;
    text += "\r\n";
  }
  for (const std::string& record : level.LinkList) {
    text += ':';
    text += record;
    text += "\r\n";
  }
  return text;
}

LevelRecords ParseLevelFileText(std::string_view bytes) {
  LevelRecords records;
  for (std::string& line : platform::SplitTextLines(bytes)) {
    if (!line.empty() && line.front() == ':') {
      records.LinkList.push_back(line.substr(1));
    } else {
      records.BlockList.push_back(std::move(line));
    }
  }
  return records;
}

LoadResult LoadLevelFile(const std::string& path) {
  platform::ReadResult read = platform::ReadWholeFile(path);
  LoadResult result;
  switch (read.status) {
    case platform::ReadStatus::kOk:
      result.records = ParseLevelFileText(read.bytes);
      break;
    case platform::ReadStatus::kNotFound:
      result.status = LoadStatus::kNotFound;
      break;
    case platform::ReadStatus::kFailed:
      result.status = LoadStatus::kFailed;
      result.error = std::move(read.error);
      break;
  }
  return result;
}

platform::IoResult SaveLevelFile(const std::string& path, const Level& level) {
  platform::ReplacingFileWriter writer(path);
  if (auto opened = writer.Open(); !opened) return opened;
  for (const std::string& record : level.BlockList) writer.WriteLine(record);
  for (const std::string& record : level.LinkList) {
    writer.Write(":");
    writer.WriteLine(record);
  }
  return writer.Commit();
}

std::string DocumentNameFromPath(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return std::string(name);
}

}  // namespace cw::document
