#pragma once

#include <string_view>

// A program that is interrupted while it writes a file leaves no temporary file behind: the
// replacing writer notes the named temporary it is writing, and the handler installed here
// removes it before the program ends as the interruption would have ended it.
namespace cw::platform {

// POSIX: SIGINT, SIGTERM and SIGHUP (one that the program was started to ignore stays ignored).
// Windows: Ctrl+C, Ctrl+Break, and the console window closed, the user logged off or the system
// shut down. For command-line programs; a program that installs its own handlers leaves it out.
void RemoveTemporaryFileOnInterrupt();

// While alive, the interruptions that RemoveTemporaryFileOnInterrupt handles wait, so that a
// temporary file is made and noted as one step: one that came between would leave it behind.
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;

 private:
  alignas(8) unsigned char previous_[128];  // the signal mask before (POSIX)
};

// The writer's side. Takes note of the one temporary file to remove on an interruption; false
// when another is noted already (that writer's file is the one removed) or the path is too long.
bool NoteTemporaryFile(std::string_view path);
// The noted file was renamed or removed: nothing is to be removed any more.
void ForgetTemporaryFile();

// The noted path for the handlers, or nullptr; safe to call in a signal handler.
const char* NotedTemporaryFile();

}  // namespace cw::platform
