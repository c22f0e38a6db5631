// The stand-in for Word: loads the registered add-in the way Word does (ProgID, class
// factory, IDTExtensibility2), offers it Word's object model, and runs one scenario.
//
//   pelvaron_wine_host lifecycle
//   pelvaron_wine_host nodata
//   pelvaron_wine_host ribbon --xml FILE
//   pelvaron_wine_host insert --button N --surah S --first F --last L [--check]
//                      [--type-last TEXT] [--then-button N] --trace FILE [--expect-open] [--expect-message
//                      TEXT]
//                      [--screenshot FILE] [--ribbon] [--word2003] [--runs] [--max-invokes-per-verse N]
//   pelvaron_wine_host soak --cycles N
//   pelvaron_wine_host toggles --on 0|1
//   pelvaron_wine_host about [--screenshot FILE]
//   pelvaron_wine_host search --query TEXT [--enter] --expect-first TEXT --cite N [--double-click]
//                      --trace FILE [--screenshot FILE]
//   pelvaron_wine_host font --family NAME --text-file FILE --screenshot FILE
//   pelvaron_wine_host rujukan --cite N
//
// --ribbon presses the buttons on the ribbon instead of the menu; --word2003 offers no
// Application.UndoRecord; --per-user FOLDER loads the add-in through the current user's
// registration, from FOLDER.
// Host failures: --fail MEMBER:N fails the N-th call of MEMBER; --close-at-yield N,
// --switch-at-yield N and --shutdown-at-yield N close the document, activate another or
// begin Word's shutdown at the add-in's N-th yield; --shutdown-before-ok begins it while the
// dialog is open; --retry presses OK once more after a failed insertion, and the trace file
// then holds that second insertion only. --runs: the pack names its Quran font, so nothing
// may be typed in "(normal text)" and Latin text comes in the document's own font.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "addin/windows_api.hpp"

#include <psapi.h>

#include "addin/extensibility.hpp"
#include "addin/label_font.hpp"
#include "addin/wide_text.hpp"
#include "forms/about_box.hpp"
#include "registration_names.hpp"  // generated in the add-in's build folder
#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/checks.hpp"
#include "tests/wine/host/dialog_driver.hpp"
#include "tests/wine/host/frame_checks.hpp"
#include "tests/wine/host/font_check.hpp"
#include "tests/wine/host/ribbon_driver.hpp"
#include "tests/wine/host/screenshot.hpp"
#include "tests/wine/host/word_model.hpp"
#include "tests/wine/host/scenarios.hpp"

using namespace pelvaron::wine_host;
using pelvaron::addin::ext_cm_AfterStartup;
using pelvaron::addin::ext_cm_Startup;
using pelvaron::addin::ext_dm_HostShutdown;
using pelvaron::addin::ext_dm_UserClosed;
using pelvaron::addin::IDTExtensibility2;
using pelvaron::addin::IID_IDTExtensibility2;
using pelvaron::addin::kProgId;

namespace {

Options ParseOptions(int argc, wchar_t** argv) {
  Options o;
  for (int i = 2; i < argc; ++i) {
    const std::wstring name = argv[i];
    const bool flag = name == L"--check" || name == L"--expect-open" || name == L"--enter" ||
                      name == L"--double-click" || name == L"--ribbon" || name == L"--word2003" ||
                      name == L"--retry" || name == L"--shutdown-before-ok" || name == L"--runs" ||
                      name == L"--per-verse";
    o.values[name] = !flag && i + 1 < argc ? argv[++i] : L"";
  }
  return o;
}
// What a long Word session leaves behind: the stand-in's objects still alive, the process's
// GDI and USER objects, kernel handles and windows, and its memory.
struct Footprint {
  long objects = 0;
  DWORD gdi = 0, user = 0, handles = 0;
  long windows = 0;
  SIZE_T memoryKib = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

// Private bytes (PagefileUsage, the private commit charge: Wine keeps PrivateUsage at 0).
// Wine's GetGuiResources and GetProcessHandleCount are stubs that answer 0, so there only
// the stand-in's objects, the windows and the memory can show a leak.
SIZE_T MemoryKib() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return memory.PagefileUsage / 1024;
}

Footprint FootprintNow() {
  Footprint f;
  f.objects = LiveObjects();
  f.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  f.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  GetProcessHandleCount(GetCurrentProcess(), &f.handles);
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&f.windows));
  f.memoryKib = MemoryKib();
  return f;
}

std::string Describe(const Footprint& f) {
  return "objects=" + std::to_string(f.objects) + " gdi=" + std::to_string(f.gdi) +
         " user=" + std::to_string(f.user) + " handles=" + std::to_string(f.handles) +
         " windows=" + std::to_string(f.windows) + " memory_kib=" + std::to_string(f.memoryKib);
}

// A day of use in one Word: --cycles times Get All -> 2:1-10 -> OK, with an About box and a
// Cari Ayat form every fourth cycle. Every insertion types what the first typed; afterwards
// the add-in holds no more of Word's objects than after the first cycle, and the process's
// handles and memory stand where they stood after cycle 10, give or take a little.
int Soak(const Options& o) {
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = CreateAddIn();
  if (!check(addIn && Connect(addIn.get(), ext_cm_Startup) == S_OK, "the add-in connects")) return 1;
  const int cycles = o.Number(L"--cycles");
  std::string firstTrace;
  Footprint afterFirst, afterTenth;
  int same = 0, boxes = 0;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    Model().trace.str("");
    Model().frame.clear();
    Press(addIn.get(), o, 1);
    HWND dialog = FindOwnWindow(kDialogCaption);
    const DialogControls c = dialog ? FindControls(dialog) : DialogControls{};
    if (!(c.surah && c.from && c.to && c.ok)) {
      check(false, "cycle " + std::to_string(cycle) + ": the dialog opens");
      return 1;
    }
    PickEntry(c.surah, 1);
    PickEntry(c.from, 0);
    PickEntry(c.to, 9);
    {
      MessageBoxWatcher watcher;
      SendMessageW(c.ok, BM_CLICK, 0, 0);
      boxes += static_cast<int>(watcher.Seen().size());
    }
    if (cycle == 1) firstTrace = Model().trace.str();
    same += Model().trace.str() == firstTrace;
    if (cycle % 4 == 0) {
      Button(4)->FireClick();
      if (HWND about = FindOwnWindow(kAboutCaption)) ClickAt(about, 3, 3);
      Button(5)->FireClick();
      if (HWND search = FindOwnWindow(kSearchCaption)) SendMessageW(search, WM_CLOSE, 0, 0);
    }
    PumpMessages();
    if (cycle == 1) afterFirst = FootprintNow();
    if (cycle == 10) {
      afterTenth = FootprintNow();
      // The memory probe must see what a leak would be: 8 MiB held for a moment.
      std::vector<char> held(8 << 20, 1);
      check(MemoryKib() >= afterTenth.memoryKib + 7 * 1024,
            "the memory probe sees 8 MiB more while they are held");
    }
  }
  const Footprint end = FootprintNow();
  std::printf("SOAK: cycles=%d after_1 %s | after_10 %s | after_%d %s\n", cycles,
              Describe(afterFirst).c_str(), Describe(afterTenth).c_str(), cycles, Describe(end).c_str());
  check(!firstTrace.empty() && same == cycles && boxes == 0,
        "every insertion types what the first typed, without a message box: " + std::to_string(same) +
            " of " + std::to_string(cycles) + ", " + std::to_string(boxes) + " boxes");
  check(end.objects <= afterFirst.objects,
        "the add-in holds no more of Word's objects than after the first cycle: " +
            std::to_string(afterFirst.objects) + " then " + std::to_string(end.objects));
  // A few handles and a little heap may come and go with Wine's own caches; a leak per cycle
  // would be a hundred handles or megabytes after 190 more cycles.
  check(end.gdi <= afterTenth.gdi + 8 && end.user <= afterTenth.user + 8 &&
            end.handles <= afterTenth.handles + 8 && end.windows <= afterTenth.windows,
        "GDI, USER and kernel objects and windows stay where they were after cycle 10: " +
            Describe(afterTenth) + " then " + Describe(end));
  check(afterTenth.memoryKib > 0 && end.memoryKib <= afterTenth.memoryKib + 4096,
        "memory grows by less than 4 MiB after cycle 10: " + Describe(afterTenth) + " then " + Describe(end));
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return check.failed();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: pelvaron_wine_host lifecycle|nodata|ribbon|insert|about|search|font [options]\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  RegisterWordGlobal();
  CreateYieldWindow();
  const std::wstring scenario = argv[1];
  const Options options = ParseOptions(argc, argv);
  Model().hasUndoRecord = !options.Has(L"--word2003");
  SetPerUserFolder(options.Get(L"--per-user"));
  if (const std::wstring fail = options.Get(L"--fail"); !fail.empty()) {
    Fault().member = fail.substr(0, fail.find(L':'));
    Fault().at = _wtoi(fail.substr(fail.find(L':') + 1).c_str());
  }
  int failed = 0;
  if (scenario == L"lifecycle")
    failed = Lifecycle();
  else if (scenario == L"nodata")
    failed = NoData();
  else if (scenario == L"ribbon")
    failed = Ribbon(options);
  else if (scenario == L"insert")
    failed = Insert(options);
  else if (scenario == L"about")
    failed = About(options);
  else if (scenario == L"search")
    failed = Search(options);
  else if (scenario == L"soak")
    failed = Soak(options);
  else if (scenario == L"rujukan")
    failed = Rujukan(options);
  else if (scenario == L"toggles")
    failed = Toggles(options);
  else if (scenario == L"font")
    failed = CheckInstalledFont(check, options.Get(L"--family"), options.Get(L"--text-file"),
                                options.Get(L"--screenshot"));
  else
    failed = 1;
  Model().menuBar.items.clear();
  RevokeWordGlobal();
  CoUninitialize();
  return failed == 0 ? 0 : 1;
}
