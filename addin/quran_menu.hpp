#pragma once
// The "Al-Quran" popup on Word's active menu bar: built at connection, removed at every
// way out.

#include <array>
#include <functional>

#include "addin/com_ptr.hpp"
#include "addin/windows_api.hpp"

namespace pelvaron::addin {

class WordSession;

inline constexpr int kMenuButtonCount = 5;

// Receives each new button, in menu order ("Get All", "Get Ayat", "Get Terjemah", "About",
// "Cari Ayat"),
// as soon as it is added, before its caption is set.
using StoreButton = std::function<void(int index, const ComPtr<IDispatch>& button)>;

// Appends the popup and its buttons; the first failing host call raises its error and
// leaves the controls added so far in place.
void BuildQuranMenu(WordSession& word, IDispatch* addInInst, const StoreButton& store);

// Deletes the first control captioned "Al-Quran" on the active menu bar. Ignores every
// failure, a missing session included.
void RemoveQuranMenu(WordSession* word) noexcept;

}  // namespace pelvaron::addin
