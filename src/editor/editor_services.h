#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "platform/process_runner.h"

namespace cw::editor {

// What a file dialog is asked to show. Every dialog of the tool box starts in the folder "works"
// below the current directory and proposes the level's name; none asks before overwriting, the
// open dialog accepts a name that does not exist, and none changes the current directory.
struct FileDialogRequest {
  enum class Kind { kOpen, kSave };
  Kind kind = Kind::kOpen;
  QString defaultSuffix;  // "pwl" or "map", added to a typed name without an extension
  QString filter;         // "texte Pellowmar (*.pwl)"
  QString initialFolder;  // absolute path of "works" below the current directory
  QString proposedName;   // the level's name
};

// Shows a modal file dialog; the chosen full path, or nothing when the user cancelled.
using FileChooser = std::function<std::optional<QString>(const FileDialogRequest&)>;

// Shows one error to the user (a message box with the stop icon in the program).
using ErrorReporter = std::function<void(const QString& message)>;

// Tells whoever started the program of something it skipped (standard error in the program).
using Warner = std::function<void(const std::string& message)>;

// The question asked before unsaved changes would be lost (closing the floor view, Load).
enum class SaveAnswer { kSave, kDiscard, kCancel };
using SaveQuestion = std::function<SaveAnswer(const QString& documentName)>;

// Any other question with buttons, the first of them the default and the last the cancel: the
// index of the button chosen, the last one when the question was closed.
struct Question {
  QString text;
  QStringList buttons;
};
using QuestionAsker = std::function<int(const Question& question)>;

// The question asked at start-up about a level that an editor left without a clean end.
enum class RestoreAnswer { kRestore, kDiscard };
using RestoreQuestion =
    std::function<RestoreAnswer(const QString& documentName, const QDateTime& lastChanged)>;

// Runs work once the current event is over (the recovery file is written then); without one the
// work runs at once.
using Deferrer = std::function<void(std::function<void()> work)>;

// Shows (true) or takes away (false) the busy cursor while a command works.
using BusyIndicator = std::function<void(bool busy)>;

// Shows the busy cursor for as long as it lives.
class BusyWhile {
 public:
  explicit BusyWhile(const BusyIndicator& indicator) : indicator_(indicator) {
    if (indicator_) indicator_(true);
  }
  ~BusyWhile() {
    if (indicator_) indicator_(false);
  }
  BusyWhile(const BusyWhile&) = delete;
  BusyWhile& operator=(const BusyWhile&) = delete;

 private:
  const BusyIndicator& indicator_;
};

// Everything modal or outside the process that the editor reaches goes through these, so that the
// editing logic runs unchanged under tests with recorders in their place.
struct EditorServices {
  FileChooser chooseFile;
  ErrorReporter reportError;
  Warner warn;
  SaveQuestion askToSave;
  QuestionAsker ask;  // none: the default button
  RestoreQuestion askToRestore;
  Deferrer runLater;
  BusyIndicator showBusy;
  QString recoveryFolder;  // where recovery files are kept; none are written when it is empty
  platform::ProcessRunner* processRunner = nullptr;  // the post-build batch; none: the system's
};

}  // namespace cw::editor
