#include <windows.h>

#include "platform/interrupt_cleanup.h"

namespace cw::platform {
namespace {

// Held by a writer while it makes and notes a temporary file, and by the handler while it
// removes it. Part of the state that the handler needs (see interrupt_cleanup.cpp).
SRWLOCK noting = SRWLOCK_INIT;

// Runs on a thread of its own while the program goes on. The temporary file is open, shared for
// deletion (native::CreateNew): deleting it now makes it go when the program ends, and a rename
// of it fails, so the target stays as it was.
BOOL WINAPI RemoveTemporaryAndEnd(DWORD) {
  ::AcquireSRWLockExclusive(&noting);
  if (const char* path = NotedTemporaryFile()) ::DeleteFileA(path);
  ::ReleaseSRWLockExclusive(&noting);
  // Not handled: the system's own handler ends the program.
  return FALSE;
}

}  // namespace

void RemoveTemporaryFileOnInterrupt() {
  ::SetConsoleCtrlHandler(RemoveTemporaryAndEnd, TRUE);
}

InterruptsHeld::InterruptsHeld() : previous_{} {
  ::AcquireSRWLockExclusive(&noting);
}

InterruptsHeld::~InterruptsHeld() {
  ::ReleaseSRWLockExclusive(&noting);
}

}  // namespace cw::platform
