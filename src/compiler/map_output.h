#pragma once

#include <string>
#include <string_view>

namespace cw::compiler {

// Where the passes write the map, one line at a time; every line ends with CR LF.
class MapOutput {
 public:
  virtual ~MapOutput() = default;
  virtual void WriteLine(std::string_view line) = 0;
};

// A map held in memory, for small maps and tests.
class MapText final : public MapOutput {
 public:
  void WriteLine(std::string_view line) override {
    text_.append(line);
    text_.append("\r\n");
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace cw::compiler
