#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cw::platform {

// Every text file of the program ends its lines with CR LF, on every platform.
inline constexpr std::string_view kLineEnd = "\r\n";

// Where a text file is written, line by line: the one place that ends lines. A line may be
// written in pieces with Write() before WriteLine() ends it.
class LineSink {
 public:
  virtual ~LineSink() = default;

  // Bytes of the current line, without a line end.
  virtual void Write(std::string_view bytes) = 0;

  // The rest of the current line and its CR LF.
  void WriteLine(std::string_view line) {
    Write(line);
    Write(kLineEnd);
    ++lines_;
  }

  // How many lines were ended so far: the number of the line being written is this plus 1.
  std::size_t LinesWritten() const { return lines_; }

 private:
  std::size_t lines_ = 0;
};

// Lines kept in memory.
class TextLineSink final : public LineSink {
 public:
  void Write(std::string_view bytes) override { text_.append(bytes); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace cw::platform
