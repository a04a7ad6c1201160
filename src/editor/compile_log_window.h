#pragma once

#include "editor/compile_log.h"

namespace cw::editor {

// The compile log's window, as the editor sees it: a tool window of the floor view that shows
// the log and sends back the line the user clicks (Editor::CompileLogLineClicked).
class CompileLogWindow {
 public:
  virtual ~CompileLogWindow() = default;
  // Opens the window, or brings it to the front.
  virtual void ShowLog() = 0;
  // The log has new lines, or was cleared and started anew.
  virtual void LogChanged(const CompileLog& log) = 0;
};

}  // namespace cw::editor
