#pragma once
// The "Al-Quran" tab of Word 2007 and later: its customUI XML (a resource of the library)
// and the one callback its buttons name, which Word reaches by name through Connect's
// IDispatch with the pressed IRibbonControl.

#include <string>

#include "addin/windows_api.hpp"

namespace pelvaron::addin {

inline constexpr const wchar_t* kRibbonActionName = L"OnRibbonAction";
// Outside the type library's range, so it never meets a member of _Connect.
inline constexpr DISPID kDispidRibbonAction = 0x5E0;
// The Rujukan drop-down's getSelectedItemIndex.
inline constexpr const wchar_t* kRibbonCitationName = L"GetRibbonCitation";
inline constexpr DISPID kDispidRibbonCitation = 0x5E1;
inline constexpr const wchar_t* kCitationDropDownId = L"PelvaronRujukan";
// The toggle buttons' getPressed, their ids and the registry values they are kept in.
inline constexpr const wchar_t* kRibbonPressedName = L"GetRibbonPressed";
inline constexpr DISPID kDispidRibbonPressed = 0x5E2;
struct RibbonToggle {
  const wchar_t* id;
  const wchar_t* value;
};
inline constexpr RibbonToggle kLatinToggle{L"PelvaronLatin", L"Latin"};
inline constexpr RibbonToggle kPerVerseToggle{L"PelvaronPerAyat", L"PerAyat"};
// The only ribbon Word asks a document-level add-in for.
inline constexpr const wchar_t* kWordRibbonId = L"Microsoft.Word.Document";

std::wstring RibbonXml();

// The menu position of a ribbon button id (0..3, the order of BuildQuranMenu); -1 for any other.
int RibbonButtonIndex(const std::wstring& controlId);

// The Id of the IRibbonControl argument of a callback (its first: the last of rgvarg); raises
// a HostCall error when the arguments hold none.
std::wstring RibbonControlId(const DISPPARAMS* params);

// A drop-down's onAction(control, selectedId, selectedIndex): the index chosen.
int RibbonSelectedIndex(const DISPPARAMS* params);

// A toggle button's onAction(control, pressed): whether it is now pressed.
bool RibbonPressed(const DISPPARAMS* params);

}  // namespace pelvaron::addin
