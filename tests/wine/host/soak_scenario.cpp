// A day of use in one Word: many insertions and forms, and what they leave behind.
#include <cstdio>

#include "addin/windows_api.hpp"

#include <psapi.h>

#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/dialog_driver.hpp"
#include "tests/wine/host/scenarios.hpp"

namespace pelvaron::wine_host {
namespace {

using addin::ext_dm_HostShutdown;

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

// What the cycles have shown so far.
struct SoakRun {
  std::string firstTrace;
  Footprint afterFirst, afterTenth;
  int same = 0, boxes = 0;
};

// Get All -> 2:1-10 -> OK; false when the dialog does not open.
bool InsertSecondSurah(IDTExtensibility2* addIn, const Options& o, int cycle, SoakRun& run) {
  Model().trace.str("");
  Model().frame.clear();
  Press(addIn, o, 1);
  HWND dialog = FindOwnWindow(kDialogCaption);
  const DialogControls c = dialog ? FindControls(dialog) : DialogControls{};
  if (!(c.surah && c.from && c.to && c.ok)) {
    check(false, "cycle " + std::to_string(cycle) + ": the dialog opens");
    return false;
  }
  PickEntry(c.surah, 1);
  PickEntry(c.from, 0);
  PickEntry(c.to, 9);
  run.boxes += static_cast<int>(BoxesDuring([&c] { SendMessageW(c.ok, BM_CLICK, 0, 0); }).size());
  if (cycle == 1) run.firstTrace = Model().trace.str();
  run.same += Model().trace.str() == run.firstTrace;
  return true;
}

void OpenAndCloseForms() {
  Button(4)->FireClick();
  if (HWND about = FindOwnWindow(kAboutCaption)) ClickAt(about, 3, 3);
  Button(5)->FireClick();
  if (HWND search = FindOwnWindow(kSearchCaption)) SendMessageW(search, WM_CLOSE, 0, 0);
}

void TakeFootprints(int cycle, SoakRun& run) {
  if (cycle == 1) run.afterFirst = FootprintNow();
  if (cycle == 10) {
    run.afterTenth = FootprintNow();
    // The memory probe must see what a leak would be: 8 MiB held for a moment.
    std::vector<char> held(8 << 20, 1);
    check(MemoryKib() >= run.afterTenth.memoryKib + 7 * 1024,
          "the memory probe sees 8 MiB more while they are held");
  }
}

void CheckSoak(const SoakRun& run, int cycles) {
  const Footprint end = FootprintNow();
  std::printf("SOAK: cycles=%d after_1 %s | after_10 %s | after_%d %s\n", cycles,
              Describe(run.afterFirst).c_str(), Describe(run.afterTenth).c_str(), cycles,
              Describe(end).c_str());
  check(!run.firstTrace.empty() && run.same == cycles && run.boxes == 0,
        "every insertion types what the first typed, without a message box: " + std::to_string(run.same) +
            " of " + std::to_string(cycles) + ", " + std::to_string(run.boxes) + " boxes");
  check(end.objects <= run.afterFirst.objects,
        "the add-in holds no more of Word's objects than after the first cycle: " +
            std::to_string(run.afterFirst.objects) + " then " + std::to_string(end.objects));
  const Footprint& tenth = run.afterTenth;
  // A few handles and a little heap may come and go with Wine's own caches; a leak per cycle
  // would be a hundred handles or megabytes after 190 more cycles.
  check(end.gdi <= tenth.gdi + 8 && end.user <= tenth.user + 8 && end.handles <= tenth.handles + 8 &&
            end.windows <= tenth.windows,
        "GDI, USER and kernel objects and windows stay where they were after cycle 10: " + Describe(tenth) +
            " then " + Describe(end));
  check(tenth.memoryKib > 0 && end.memoryKib <= tenth.memoryKib + 4096,
        "memory grows by less than 4 MiB after cycle 10: " + Describe(tenth) + " then " + Describe(end));
}

}  // namespace

// A day of use in one Word: --cycles times Get All -> 2:1-10 -> OK, with an About box and a
// Cari Ayat form every fourth cycle. Every insertion types what the first typed; afterwards
// the add-in holds no more of Word's objects than after the first cycle, and the process's
// handles and memory stand where they stood after cycle 10, give or take a little.
int Soak(const Options& o) {
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return 1;
  const int cycles = o.Number(L"--cycles");
  SoakRun run;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    if (!InsertSecondSurah(addIn.get(), o, cycle, run)) return 1;
    if (cycle % 4 == 0) OpenAndCloseForms();
    PumpMessages();
    TakeFootprints(cycle, run);
  }
  CheckSoak(run, cycles);
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return check.failed();
}

}  // namespace pelvaron::wine_host
