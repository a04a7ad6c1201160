#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cw::platform {

// Splits the bytes of a text file into lines; every reader of the program's text files (level
// files, block templates, the settings file, maps) takes its lines from here. A line feed ends a
// line, every carriage return is dropped wherever it stands, a byte 26 (Ctrl-Z) ends the text,
// and a last line without a line feed is a line too. Lines may be of any length.
std::vector<std::string> SplitTextLines(std::string_view bytes);

}  // namespace cw::platform
