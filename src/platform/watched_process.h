#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A program started with its output watched: standard output and standard error on one pipe
// that the caller reads without waiting, and its exit status at the end.
namespace cw::platform {

struct ProcessExit {
  enum class Kind {
    kExited,     // value: the exit status
    kSignalled,  // value: the signal that ended it
    kUnknown,    // the status never arrived
  };
  Kind kind = Kind::kUnknown;
  int value = 0;
  bool operator==(const ProcessExit&) const = default;
};

// The program runs in a session of its own, as a grandchild that this process never has to
// reap, so no zombie is ever left. A small relay process between the two carries its output to
// the pipe; when the reading side goes away (the editor ends, or drops the process), the relay
// keeps reading and drops what it reads, so the program runs on and is never ended by SIGPIPE.
class WatchedProcess {
 public:
  // Takes over the two pipes' reading ends that the runner set up: the output, which never
  // blocks, and the exit record that the relay sends at the end; and the process group of the
  // program, which holds every tool it starts.
  WatchedProcess(int output, int status, int group)
      : output_(output), status_(status), group_(group) {}
  ~WatchedProcess();
  WatchedProcess(const WatchedProcess&) = delete;
  WatchedProcess& operator=(const WatchedProcess&) = delete;

  // The pipe's reading end, which never blocks: readable when output or the end is there.
  int OutputDescriptor() const { return output_; }

  // What output is there now, without waiting; `ended` once the program and every process that
  // shared its output are done.
  struct Output {
    std::string bytes;
    bool ended = false;
  };
  Output ReadAvailable();

  // The exit status, once the output has ended.
  ProcessExit Exit();

  // Waits for the end, giving every piece of output to `sink` as it comes; then the exit status.
  ProcessExit WaitPassingOutput(const std::function<void(std::string_view)>& sink);

  // Ends the program and every process of its group (the tools it started) with SIGTERM; its end
  // comes through the output and the exit status as usual. Whether the signal was sent.
  bool Stop();

 private:
  int output_ = -1;
  int status_ = -1;
  int group_ = -1;
  bool ended_ = false;
};

}  // namespace cw::platform
