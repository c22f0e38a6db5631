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
