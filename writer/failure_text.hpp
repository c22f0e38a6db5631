#pragma once
// The message of the exception being handled, whichever kind it is: UNO exceptions do not
// derive from std::exception.

#include <exception>
#include <string>

#include <com/sun/star/uno/Exception.hpp>

#include "writer/uno_text.hpp"

namespace pelvaron::writer {

inline std::string CurrentFailureText() {
  try {
    throw;
  } catch (const std::exception& e) {
    return e.what();
  } catch (const css::uno::Exception& e) {
    return "LibreOffice refused an operation: " + ToUtf8(e.Message);
  } catch (...) {
    return "unexpected failure";
  }
}

}  // namespace pelvaron::writer
