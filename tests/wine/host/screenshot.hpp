#pragma once
// A window's area of the screen, saved as PNG (uncompressed deflate: no library needed).

#include <string>

#include "addin/windows_api.hpp"

namespace pelvaron::wine_host {

// Returns false when the screen could not be read or the file not written.
bool SaveWindowPng(HWND window, const std::wstring& path);

}  // namespace pelvaron::wine_host
