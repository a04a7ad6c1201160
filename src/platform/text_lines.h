#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cw::platform {

// Splits the bytes of a text file into lines the way every reader of the program does: a line
// feed ends a line, every carriage return is dropped wherever it stands, a byte 26 (Ctrl-Z) ends
// the text, and a last line without a line feed is a line too. Lines may be of any length.
std::vector<std::string> SplitTextLines(std::string_view bytes);

enum class ReadStatus { kOk, kNotFound, kFailed };

struct ReadResult {
  ReadStatus status = ReadStatus::kOk;
  std::string bytes;
  std::string error;  // "path: reason" unless kOk
};

// Reads a whole file. kNotFound only when the file does not exist; any other failure is kFailed.
ReadResult ReadWholeFile(const std::string& path);

}  // namespace cw::platform
