// The add-in's two other forms as a user meets them: the About box (its labels, pointer and
// clicks) and "Cari Ayat" (a query, a citation style, an insertion).
#include <cmath>
#include <cstdio>

#include "addin/label_font.hpp"
#include "addin/wide_text.hpp"
#include "forms/about_box.hpp"
#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/dialog_driver.hpp"
#include "tests/wine/host/scenarios.hpp"
#include "tests/wine/host/screenshot.hpp"

namespace pelvaron::wine_host {
namespace {

using addin::ext_dm_HostShutdown;

// Every About label's caption fits its box in GDI's own metrics (GetTextExtentPoint32W) at the
// size the add-in draws it, for the build's identity and for a long author name.
void CheckAboutLabelsFit() {
  HDC screen = GetDC(nullptr);
  const float twipsPerPixel = 1440.0f / static_cast<float>(GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  forms::AboutIdentity longAuthor = forms::kBuildIdentity;
  longAuthor.author = "Muhammad Abdurrahman Wahid";
  for (const auto& identity : {forms::kBuildIdentity, longAuthor}) {
    for (const auto& c : forms::AboutBoxLayout(identity).controls) {
      if (c.kind != forms::ControlKind::Label || !c.font) continue;
      const int box = static_cast<int>(std::nearbyint(c.width / twipsPerPixel));
      const float points = addin::LabelPoints(c, *c.font, box);
      HFONT font = addin::CreateStyleFont(*c.font, points);
      const int width = addin::TextWidthPixels(font, addin::Widen(c.caption));
      DeleteObject(font);
      std::printf("LABEL: %s \"%s\" %s %.2f pt: %d of %d pixels\n", c.name.c_str(), c.caption.c_str(),
                  c.font->name.c_str(), points, width, box);
      check(width > 0 && width <= box, c.name + " \"" + c.caption + "\" fits its " + std::to_string(box) +
                                           " pixels: " + std::to_string(width));
    }
  }
}

// The About box the click showed, checked; null when there is none.
HWND ShownAboutBox(const Options& o) {
  HWND box = FindOwnWindow(kAboutCaption);
  if (!check(box != nullptr, "the About box is shown")) return nullptr;
  check(IsTopmost(box) && !HasOwner(box), "the About box is topmost, without owner");
  CheckClientArea(box, 162, 132, "2430 x 1980", o, "the About box");
  return box;
}

// The pointer the box sets with the mouse at a client point (pixels).
HCURSOR PointerAt(HWND box, int x, int y) {
  POINT p{x, y};
  ClientToScreen(box, &p);
  SetCursorPos(p.x, p.y);
  SendMessageW(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(box), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

// The hand pointer over the e-mail label Label9 (135, 540, 2175, 240 twips).
void CheckHandPointer(HWND box) {
  HCURSOR hand = LoadCursorW(GetModuleHandleW(L"Ostrevan2003.dll"), MAKEINTRESOURCEW(101));
  ICONINFO hot{};
  check(hand && GetIconInfo(hand, &hot) && hot.xHotspot == 12 && hot.yHotspot == 1,
        "the hand cursor resource has its hot spot at (12, 1)");
  if (hot.hbmMask) DeleteObject(hot.hbmMask);
  if (hot.hbmColor) DeleteObject(hot.hbmColor);
  check(PointerAt(box, (135 + 1000) / 15, (540 + 120) / 15) == hand,
        "the pointer over an e-mail label is the hand");
  check(PointerAt(box, (0 + 1000) / 15, (1665 + 120) / 15) != hand,
        "the pointer over Label4 is not the hand");
}

// A click is a press and a release on the same target: a press outside the box, or on
// its bare form, released over Label1 closes nothing.
void CheckReleaseWithoutPress(HWND box) {
  const LPARAM overLabel1 = MAKELPARAM(81, 8);
  SendMessageW(box, WM_LBUTTONUP, 0, overLabel1);
  check(IsWindow(box), "a release over Label1 after a press outside the box leaves it open");
  SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(box, WM_LBUTTONUP, 0, overLabel1);
  check(IsWindow(box) && GetCapture() == nullptr, "a press on the form released over Label1 leaves it open");
}

void CheckAboutClicks(HWND box, ControlObject* about) {
  ClickAt(box, 1222 / 15, (1665 + 120) / 15);  // Label4, the messenger id
  check(IsWindow(box) && IsWindowVisible(box), "a click on Label4 leaves the box open");
  about->FireClick();
  check(FindOwnWindow(kAboutCaption) == box, "a second About click shows the same box, not a new one");
  CheckReleaseWithoutPress(box);
  ClickAt(box, 3, 3);  // the bare form, left of Label1
  check(!IsWindow(box), "a click on the form closes the box");
  about->FireClick();
  HWND again = FindOwnWindow(kAboutCaption);
  check(again != nullptr, "About after closing shows the box again");
  if (again) ClickAt(again, 81, 8);  // Label1 (Label7 lies under Shape1, which passes clicks to the form)
  check(!again || !IsWindow(again), "a click on a label other than Label4 closes the box");
}

std::wstring EntryOf(HWND combo, int index) {
  const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return L"";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// "Cari Ayat" from the menu's fifth button, checked; null when it is not shown.
HWND OpenSearchForm() {
  ComPtr<ControlObject> button = Button(5);
  if (!check(button && button->caption() == kSearchCaption, "the menu's fifth button is \"Cari Ayat\""))
    return nullptr;
  check(button->FireClick() == S_OK, "Cari Ayat: Click succeeds");
  HWND form = FindOwnWindow(kSearchCaption);
  if (!check(form != nullptr, "the form \"Cari Ayat\" is shown")) return nullptr;
  check(IsTopmost(form) && !HasOwner(form), "the form is topmost, without owner");
  return form;
}

struct SearchControls {
  std::vector<HWND> combos;  // the query, the results, the citation style, what to insert
  HWND find = nullptr, insert = nullptr;
};

SearchControls FindSearchControls(HWND form) {
  SearchControls s;
  for (HWND child : Children(form)) {
    if (lstrcmpiW(ClassOf(child).c_str(), L"ComboBox") == 0) s.combos.push_back(child);
    if (TextOf(child) == L"Cari") s.find = child;
    if (TextOf(child) == L"Sisipkan") s.insert = child;
  }
  return s;
}

// The query asked, its first result checked, the citation style (and what to insert) picked.
void RunQuery(const Options& o, HWND form, const SearchControls& s) {
  HWND query = s.combos[0], results = s.combos[1], cite = s.combos[2];
  TypeInto(query, o.Get(L"--query"));
  if (o.Has(L"--enter"))
    PressEnterIn(query);
  else
    SendMessageW(s.find, BM_CLICK, 0, 0);
  const std::wstring first = EntryOf(results, 0);
  const std::wstring expected = o.Get(L"--expect-first") + L"  ";
  check(first.compare(0, expected.size(), expected) == 0,
        std::string(o.Has(L"--enter") ? "Enter in the query box" : "Cari") + " lists \"" + Narrow(expected) +
            "...\" first: \"" + Narrow(first) + "\"");
  PickEntry(cite, o.Number(L"--cite"));
  if (o.Has(L"--what")) PickEntry(s.combos[3], o.Number(L"--what"));  // "Sisipkan": what to insert
  check(TextOf(form) == kSearchCaption && IsWindowVisible(form),
        "picking a citation style leaves the form open");
  if (o.Has(L"--screenshot"))
    check(SaveWindowPng(form, o.Get(L"--screenshot")), "screenshot of the form saved");
}

// The first result inserted by Sisipkan or a double-click.
void InsertResult(const Options& o, HWND form, const SearchControls& s) {
  HWND results = s.combos[1];
  const std::vector<std::wstring> boxes = BoxesDuring([&] {
    if (o.Has(L"--double-click")) {
      DoubleClickEntry(results, 0);
    } else {
      PickEntry(results, 0);
      SendMessageW(s.insert, BM_CLICK, 0, 0);
    }
  });
  check(boxes.empty(), "no message box" + (boxes.empty() ? std::string() : ": " + Narrow(boxes[0])));
  check(!IsWindow(form), std::string(o.Has(L"--double-click") ? "a double-click on the result" : "Sisipkan") +
                             " inserts and closes the form");
}

}  // namespace

int About(const Options& o) {
  CheckAboutLabelsFit();
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return 1;
  ComPtr<ControlObject> about = Button(4);
  check(about && about->FireClick() == S_OK, "About: Click succeeds");
  HWND box = ShownAboutBox(o);
  if (!box) return 1;
  CheckHandPointer(box);
  CheckAboutClicks(box, about.get());
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return check.failed();
}

// "Cari Ayat" from the menu: a query, the first result, a citation style, then Sisipkan or a
// double-click on the result.
int Search(const Options& o) {
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return 1;
  HWND form = OpenSearchForm();
  if (!form) return 1;
  const SearchControls s = FindSearchControls(form);
  if (!check(s.combos.size() == 4 && s.find && s.insert, "four combo boxes, Cari and Sisipkan")) return 1;
  check((GetWindowLongW(s.combos[1], GWL_STYLE) & 3) == CBS_SIMPLE,
        "the results list stays open (CBS_SIMPLE)");
  RunQuery(o, form, s);
  InsertResult(o, form, s);
  WriteTrace(o.Get(L"--trace"), Model().trace.str());
  if (IsWindow(form)) PostMessageW(form, WM_CLOSE, 0, 0);
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return check.failed();
}

}  // namespace pelvaron::wine_host
