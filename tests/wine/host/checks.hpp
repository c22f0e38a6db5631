#pragma once
// Named checks printed one a line ("PASS: ..." / "FAIL: ..."); the run script counts them.

#include <cstdio>
#include <string>

namespace pelvaron::wine_host {

class Checks {
 public:
  bool operator()(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++failed_;
    return ok;
  }
  int failed() const { return failed_; }

 private:
  int failed_ = 0;
};

}  // namespace pelvaron::wine_host
