// One insertion from the "Pilih Surat & Ayat" dialog: the dialog as shown, the choices made,
// then OK, with the host failures the options ask for; what it typed and what it cost.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/dialog_driver.hpp"
#include "tests/wine/host/frame_checks.hpp"
#include "tests/wine/host/scenarios.hpp"

namespace pelvaron::wine_host {
namespace {

using addin::ext_dm_HostShutdown;

// What the OK click asked for, for the frame checks.
InsertedRange RangeOf(const Options& o) {
  InsertedRange range{o.Number(L"--surah"), o.Number(L"--first"),
                      o.Has(L"--type-last") ? o.Number(L"--type-last") : o.Number(L"--last"),
                      !o.Has(L"--word2003")};
  // The translation runs to its end unless a failure or a stop is part of the scenario.
  const int button = o.Has(L"--then-button") ? o.Number(L"--then-button") : o.Number(L"--button");
  const bool stops = o.Has(L"--expect-message") || o.Has(L"--close-at-yield") ||
                     o.Has(L"--switch-at-yield") || o.Has(L"--shutdown-at-yield");
  // Verse by verse, each translation is one verse long and shows no progress of its own.
  range.translated = button == 2 || o.Has(L"--per-verse") ? 0 : stops ? -1 : range.last - range.first + 1;
  return range;
}

// The mode button pressed and the dialog it shows, checked; null when there is none.
HWND OpenDialog(IDTExtensibility2* addIn, const Options& o) {
  const int buttonIndex = o.Number(L"--button");
  if (!check(o.Has(L"--ribbon") || bool(Button(buttonIndex)), "the menu holds the button")) return nullptr;
  check(Press(addIn, o, buttonIndex) == S_OK, std::string(o.Has(L"--ribbon") ? "ribbon" : "menu") +
                                                  " button " + std::to_string(buttonIndex) + " succeeds");
  HWND dialog = FindOwnWindow(kDialogCaption);
  if (!check(dialog != nullptr, "the dialog \"Pilih Surat & Ayat\" is shown")) return nullptr;
  check(IsTopmost(dialog), "the dialog is topmost");
  check(!HasOwner(dialog), "the dialog has no owner window");
  CheckClientArea(dialog, 235, 142, "3525 x 2130", o, "the dialog");
  return dialog;
}

// Another mode button while the dialog is open: same window, same choices, new mode.
void PressSecondModeButton(IDTExtensibility2* addIn, const Options& o, HWND dialog, HWND to) {
  std::vector<wchar_t> before(64), after(64);
  GetWindowTextW(to, before.data(), 64);
  check(Press(addIn, o, o.Number(L"--then-button")) == S_OK, "a second mode button succeeds");
  GetWindowTextW(to, after.data(), 64);
  check(
      FindOwnWindow(kDialogCaption) == dialog && IsWindow(to) && std::wstring(before.data()) == after.data(),
      "the open dialog is shown again unchanged, not reloaded");
}

void ChooseVerses(IDTExtensibility2* addIn, const Options& o, HWND dialog, const DialogControls& c) {
  const int first = o.Number(L"--first"), last = o.Number(L"--last");
  PickEntry(c.surah, o.Number(L"--surah") - 1);
  PickEntry(c.from, first - 1);
  if (o.Has(L"--type-last"))
    TypeInto(c.to, o.Get(L"--type-last"));
  else
    PickEntry(c.to, last - first);
  if (o.Has(L"--check")) SendMessageW(c.check, BM_CLICK, 0, 0);
  if (o.Has(L"--then-button")) PressSecondModeButton(addIn, o, dialog, c.to);
}

// The document closed, another activated or Word shut down at the yields the options name.
void ArmHostFailures(IDTExtensibility2* connected, const Options& o) {
  Model().closeAtYield = o.Number(L"--close-at-yield");
  Model().switchAtYield = o.Number(L"--switch-at-yield");
  Model().shutdownAtYield = o.Number(L"--shutdown-at-yield");
  Model().shutdown = [connected] {
    check(BeginShutdown(connected) == S_OK && Disconnect(connected, ext_dm_HostShutdown) == S_OK,
          "OnBeginShutdown and OnDisconnection succeed while the add-in is busy");
  };
}

int ShutdownBeforeOk(const Options& o, HWND dialog) {
  const std::vector<std::wstring> boxes = BoxesDuring([] { Model().shutdown(); });
  check(!IsWindow(dialog), "Word's shutdown closes the open dialog");
  check(boxes.empty(), "no message box while Word closes");
  WriteTrace(o.Get(L"--trace"), Model().trace.str());
  return check.failed();
}

// What one OK click cost in calls to Word.
struct Cost {
  long verses = 0, symbols = 0, invokes = 0, names = 0;
};

// around: the Invokes the insertion's frame adds (undo record, status bar, the active
// document's identity); the rest are the document operations' own.
long FrameInvokesSince(const CallCounts& from) {
  long around = 0;
  for (const wchar_t* member :
       {L"UndoRecord", L"StartCustomRecord", L"EndCustomRecord", L"StatusBar", L"ActiveDocument"}) {
    const auto before = from.invokeOf.find(member);
    around += Counts().invokeOf[member] - (before == from.invokeOf.end() ? 0 : before->second);
  }
  return around;
}

void PrintCounts(const Options& o, const Cost& cost, const CallCounts& beforeOk,
                 const CallCounts& atConnection) {
  const std::wstring traceName = std::filesystem::path(o.Get(L"--trace")).filename().wstring();
  const long around = FrameInvokesSince(beforeOk);
  std::printf(
      "COUNTS: %s verses=%ld symbols=%ld invoke=%ld per_verse=%.1f around=%ld getidsofnames=%ld "
      "session_getidsofnames=%ld connection_invoke=%ld\n",
      Narrow(traceName).c_str(), cost.verses, cost.symbols, cost.invokes,
      static_cast<double>(cost.invokes) / static_cast<double>(cost.verses), around, cost.names,
      Counts().getIdsOfNames, atConnection.invoke);
}

// A pack naming its Quran font types a verse as one run: its paragraph settings, the
// screen updating around it, the fonts and sizes only where they change, one TypeText, the
// progress and the yield's check come to about 12 Invokes (mode all adds the translation
// line and its progress, about 6 more). The bound is the cost a user can feel in a real Word.
void CheckInvokesPerVerse(const Cost& cost, long bound) {
  check(cost.invokes <= bound * cost.verses, "Invoke during the insertion: " + std::to_string(cost.invokes) +
                                                 " for " + std::to_string(cost.verses) + " verses, at most " +
                                                 std::to_string(bound) + " a verse");
}

void CheckRunFonts() {
  check(Model().typedInPlaceholderFont == 0,
        "nothing is typed in the font \"(normal text)\": " + std::to_string(Model().typedInPlaceholderFont) +
            " characters were");
  check(Model().latinInSetFont == 0, "Latin text is typed in the document's own font: " +
                                         std::to_string(Model().latinInSetFont) + " texts were not");
}

// Names are resolved once a session, not once a call: the lookups do not grow with the
// glyphs inserted.
void CheckNamesAskedOnce(const Cost& cost, const CallCounts& beforeOk) {
  const auto newNames = static_cast<long>(Counts().namesAsked.size() - beforeOk.namesAsked.size());
  check(cost.names == newNames, "GetIDsOfNames during the insertion: " + std::to_string(cost.names) +
                                    ", each for a name not asked before in the session (" +
                                    std::to_string(newNames) + ")");
}

// Each glyph costs 5 Invokes (Selection, Font, Name; Selection, InsertSymbol); every verse
// adds about 17 of setup (screen updating, size, direction, alignment, the space after)
// and 2 around it (progress, the active document's check). The test pack's verses hold 1
// or 2 glyphs, so the measured ratio is 15 (Arabic only), 17 (with the translation) and
// 31 (a line per verse). 32 allows that, but not one more Invoke for every call.
void CheckInvokesPerGlyph(const Cost& cost) {
  constexpr long kMaxInvokesPerGlyph = 32;
  if (cost.symbols > 0)
    check(cost.invokes <= kMaxInvokesPerGlyph * cost.symbols,
          "Invoke during the insertion: " + std::to_string(cost.invokes) + " for " +
              std::to_string(cost.symbols) + " glyphs, at most " + std::to_string(kMaxInvokesPerGlyph) +
              " a glyph");
}

void CheckCosts(const Options& o, const Cost& cost, const CallCounts& beforeOk) {
  if (o.Has(L"--max-invokes-per-verse")) CheckInvokesPerVerse(cost, o.Number(L"--max-invokes-per-verse"));
  if (o.Has(L"--runs")) CheckRunFonts();
  CheckNamesAskedOnce(cost, beforeOk);
  CheckInvokesPerGlyph(cost);
}

void CheckOutcome(const Options& o, bool open, const std::vector<std::wstring>& boxes) {
  check(open == o.Has(L"--expect-open"),
        o.Has(L"--expect-open") ? "the dialog stays open" : "the dialog closes");
  if (o.Has(L"--expect-message")) {
    const std::wstring expected = o.Get(L"--expect-message");
    const bool seen = boxes.size() == 1 && boxes[0].find(expected) != std::wstring::npos;
    check(seen, "one message box with \"" + Narrow(expected) +
                    "\": " + (boxes.empty() ? std::string("none") : Narrow(boxes[0])));
  } else {
    check(boxes.empty(), "no message box" + (boxes.empty() ? std::string() : ": " + Narrow(boxes[0])));
  }
}

// Nothing of the failed insertion is left in the add-in: the next OK works. Returns where
// the second insertion's trace begins.
std::size_t RetryOk(const Options& o, HWND dialog, HWND ok) {
  const std::size_t traceFrom = Model().trace.str().size();
  Model().frame.clear();
  Model().closeAtYield = Model().switchAtYield = 0;
  const std::vector<std::wstring> again = BoxesDuring([ok] { SendMessageW(ok, BM_CLICK, 0, 0); });
  check(again.empty(),
        "the next OK inserts without a message box" + (again.empty() ? "" : ": " + Narrow(again[0])));
  check(!IsWindow(dialog) || !IsWindowVisible(dialog), "the next OK closes the dialog");
  InsertedRange range = RangeOf(o);
  if (range.translated < 0) range.translated = range.last - range.first + 1;
  CheckFrame(check, range, traceFrom);
  return traceFrom;
}

// OK clicked once (and with --retry once more), everything checked; returns where the trace
// to keep begins.
std::size_t ClickOk(const Options& o, HWND dialog, HWND ok, const CallCounts& atConnection) {
  const CallCounts beforeOk = Counts();
  const long symbolsBefore = Model().insertedSymbols;
  // Synchronous: a message box is modal within the click, and recorded before it closes.
  const std::vector<std::wstring> boxes = BoxesDuring([ok] { SendMessageW(ok, BM_CLICK, 0, 0); });
  const long symbols = Model().insertedSymbols - symbolsBefore;
  CheckFrame(check, RangeOf(o), 0);
  check(Model().screenUpdating, "screen updating is on after the click");
  CheckNothingTypedAfterStop(check, std::max({o.Number(L"--close-at-yield"), o.Number(L"--switch-at-yield"),
                                              o.Number(L"--shutdown-at-yield")}));
  const Cost cost{RangeOf(o).last - RangeOf(o).first + 1, symbols, Counts().invoke - beforeOk.invoke,
                  Counts().getIdsOfNames - beforeOk.getIdsOfNames};
  PrintCounts(o, cost, beforeOk, atConnection);
  CheckCosts(o, cost, beforeOk);
  const bool open = IsWindow(dialog) && IsWindowVisible(dialog);
  CheckOutcome(o, open, boxes);
  return o.Has(L"--retry") && open ? RetryOk(o, dialog, ok) : 0;
}

}  // namespace

int Insert(const Options& o) {
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return 1;
  const CallCounts atConnection = Counts();
  HWND dialog = OpenDialog(addIn.get(), o);
  if (!dialog) return 1;
  const DialogControls c = FindControls(dialog);
  if (!check(c.surah && c.from && c.to && c.check && c.ok,
             "three combo boxes, the check box and OK, in tab order"))
    return 1;
  ChooseVerses(addIn.get(), o, dialog, c);
  ArmHostFailures(addIn.get(), o);
  if (o.Has(L"--shutdown-before-ok")) return ShutdownBeforeOk(o, dialog);
  const std::size_t traceFrom = ClickOk(o, dialog, c.ok, atConnection);
  WriteTrace(o.Get(L"--trace"), Model().trace.str().substr(traceFrom));
  if (IsWindow(dialog) && IsWindowVisible(dialog)) PostMessageW(dialog, WM_CLOSE, 0, 0);
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return check.failed();
}

}  // namespace pelvaron::wine_host
