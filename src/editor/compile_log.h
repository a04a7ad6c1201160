#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/records.h"

namespace cw::editor {

// What a line of the compile log says.
enum class LogLineKind {
  kNote,     // what Build did, the budget
  kWarning,  // a finding to look at, a budget near its limit
  kProblem,  // a finding the map or the engine will suffer from
  kOutput,   // a line of the post-build batch
  kStatus,   // how the batch ended
};

// One line of the log: the time it came, its text and, when it is about one, the cell it names.
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
  void Add(LogLineKind kind, std::string text, std::optional<document::Cell> cell = std::nullopt,
           std::string cellText = {});

  const std::vector<CompileLogLine>& Lines() const { return lines_; }
  std::uint64_t Generation() const { return generation_; }
  // Whether the last line is how a batch ended.
  bool BatchEnded() const { return !lines_.empty() && lines_.back().kind == LogLineKind::kStatus; }

 private:
  std::vector<CompileLogLine> lines_;
  std::uint64_t generation_ = 0;
  bool cut_ = false;
};

// The line as the log window shows it: the time, two blanks, for a line of the batch that names
// a map line its cell in brackets and two blanks, then the text.
QString DisplayText(const CompileLogLine& line);

}  // namespace cw::editor
