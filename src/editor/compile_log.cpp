#include "editor/compile_log.h"

#include <QTime>

#include "editor/text_bytes.h"

namespace cw::editor {

void CompileLog::Clear() {
  lines_.clear();
  cut_ = false;
  ++generation_;
}

void CompileLog::Add(compiler::LogLine line) {
  const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
  if (lines_.size() >= kMaxLines && line.kind != LogLineKind::kStatus) {
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
  lines_.push_back({time, line.kind, std::move(line.text), line.cell, std::move(line.cellText)});
}

QString DisplayText(const CompileLogLine& line) {
  return line.time + QStringLiteral("  ") +
         FromBytes(compiler::LogLineText({line.kind, line.text, line.cell, line.cellText}));
}

}  // namespace cw::editor
