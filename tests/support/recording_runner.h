#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/process_runner.h"

namespace cw::testing {

// A process runner that records every program it is asked to start. Detached programs are not
// run at all; with `watch` set, watched ones run for real through the system's runner.
class RecordingRunner final : public platform::ProcessRunner {
 public:
  bool StartDetached(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return !argv.empty();
  }
  std::unique_ptr<platform::WatchedProcess> StartWatched(
      const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return platform::SystemProcessRunner().StartWatched(argv);
  }
  bool WatchesOutput() const override { return watch; }

  // The map each batch was started for: its last two arguments, the folder and the name, joined
  // again as "FOLDER/NAME.map".
  std::vector<std::string> MapPaths() const {
    std::vector<std::string> maps;
    for (const std::vector<std::string>& argv : started) {
      if (argv.size() >= 2) maps.push_back(argv.back() + "/" + argv[argv.size() - 2] + ".map");
    }
    return maps;
  }

  bool watch = false;
  std::vector<std::vector<std::string>> started;
};

}  // namespace cw::testing
