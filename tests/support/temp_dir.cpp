#include "tests/support/temp_dir.hpp"

#include <atomic>
#include <random>
#include <string>
#include <system_error>

namespace pelvaron::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("pelvaron-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace pelvaron::testing
