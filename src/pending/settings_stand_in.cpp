// Stand-in, used only while the real settings reader (app/settings.cpp) is missing from the tree;
// src/CMakeLists.txt drops it as soon as that file exists. It reads "key=value" lines only.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/settings.h"

namespace cw::app {
Settings ParseSettings(std::string_view text) {
  Settings s;
  std::istringstream in{std::string(text)};
  std::string line;
  while (std::getline(in, line)) {
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    char* end = nullptr;
    long v;
    if (value.rfind("0x", 0) == 0 || value.rfind("0X", 0) == 0)
      v = std::strtol(value.c_str() + 2, &end, 16);
    else if (value.rfind("$", 0) == 0)
      v = std::strtol(value.c_str() + 1, &end, 16);
    else
      v = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != 0) continue;
    if (key == "bx")
      s.block.Bx = v;
    else if (key == "by")
      s.block.By = v;
    else if (key == "bz")
      s.block.Bz = v;
    else if (key == "ox")
      s.block.Ox = v;
    else if (key == "oy")
      s.block.Oy = v;
    else if (key == "ax")
      s.Ax = v;
    else if (key == "ay")
      s.Ay = v;
  }
  return s;
}
Settings ReadSettingsFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return {};
  std::stringstream ss;
  ss << f.rdbuf();
  return ParseSettings(ss.str());
}
}  // namespace cw::app
