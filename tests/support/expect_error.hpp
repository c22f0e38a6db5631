#pragma once
// One way to check that a call fails with our error: the kind, and a piece of the message
// (the file, record or value it must name).

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "module/error.hpp"

namespace pelvaron::testing {

// Runs `call`; it must throw pelvaron::Error of `kind` whose message contains `text`.
// Returns the message, for further checks.
template <typename Call>
std::string ExpectError(ErrorKind kind, std::string_view text, Call&& call) {
  try {
    call();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), kind) << e.what();
    EXPECT_NE(std::string_view(e.what()).find(text), std::string_view::npos) << e.what();
    return e.what();
  }
  ADD_FAILURE() << "no error thrown; expected one containing \"" << text << "\"";
  return {};
}

}  // namespace pelvaron::testing
