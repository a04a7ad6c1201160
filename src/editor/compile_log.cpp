#include "editor/compile_log.h"

#include <QTime>

#include "editor/palette.h"

namespace cw::editor {

void CompileLog::Clear() {
  lines_.clear();
  cut_ = false;
  ++generation_;
}

void CompileLog::Add(LogLineKind kind, std::string text, std::optional<document::Cell> cell,
                     std::string cellText) {
  const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
  if (lines_.size() >= kMaxLines && kind != LogLineKind::kStatus) {
    if (!cut_) {
      lines_.push_back({time,
                        LogLineKind::kWarning,
                        "the log is full; further lines are left out",
                        std::nullopt,
                        {}});
      cut_ = true;
    }
    return;
  }
  lines_.push_back({time, kind, std::move(text), cell, std::move(cellText)});
}

QString DisplayText(const CompileLogLine& line) {
  // The cell comes before the tool's text, which may be long.
  QString text = line.time + QStringLiteral("  ");
  if (!line.cellText.empty()) text += QStringLiteral("[") + FromBytes(line.cellText) + "]  ";
  return text + FromBytes(line.text);
}

}  // namespace cw::editor
