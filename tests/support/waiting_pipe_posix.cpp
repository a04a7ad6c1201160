#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "support/waiting_pipe.h"

namespace cw::testing {

WaitingPipe::WaitingPipe() {
  std::string folder =
      (std::filesystem::temp_directory_path() / "cryptwright-pipe-XXXXXX").string();
  if (!::mkdtemp(folder.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = folder + "/pipe";
  if (::mkfifo(path_.c_str(), 0600) != 0) throw std::runtime_error("cannot create " + path_);
}

WaitingPipe::~WaitingPipe() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_).parent_path(), ignored);
}

}  // namespace cw::testing
