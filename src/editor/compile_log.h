#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/build_session.h"
#include "document/records.h"

namespace cw::editor {

using compiler::LogLineKind;

// One line of the log: the time it came, and what the build session said.
struct CompileLogLine {
  QString time;  // "hh:mm:ss"
  LogLineKind kind = LogLineKind::kNote;
  std::string text;
  std::optional<document::Cell> cell;
  std::string cellText;  // what the line adds about its cell: "floor 0, cell 3 4", or empty
};

// The compile log of the last Build or Check: lines in the order they came. Each clear starts a
// new generation, so that a window showing the log knows to start over.
class CompileLog {
 public:
  // Keeps the log from growing without end when a batch prints without stopping.
  static constexpr std::size_t kMaxLines = 50000;

  void Clear();
  // Adds a line with the current time; a line past kMaxLines is left out (one note says so).
  void Add(compiler::LogLine line);

  const std::vector<CompileLogLine>& Lines() const { return lines_; }
  std::uint64_t Generation() const { return generation_; }

 private:
  std::vector<CompileLogLine> lines_;
  std::uint64_t generation_ = 0;
  bool cut_ = false;
};

// The line as the log window shows it: the time, two blanks, then the line as the build session
// words it.
QString DisplayText(const CompileLogLine& line);

}  // namespace cw::editor
