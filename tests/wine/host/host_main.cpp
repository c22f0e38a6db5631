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

#include <cstdio>
#include <string>

#include "tests/wine/host/fake_object.hpp"
#include "tests/wine/host/font_check.hpp"
#include "tests/wine/host/scenarios.hpp"

using namespace pelvaron::wine_host;

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

// The stand-in's own settings: Word 2003 or later, where the add-in is registered, which call fails.
void ApplyHostOptions(const Options& o) {
  Model().hasUndoRecord = !o.Has(L"--word2003");
  SetPerUserFolder(o.Get(L"--per-user"));
  if (const std::wstring fail = o.Get(L"--fail"); !fail.empty()) {
    Fault().member = fail.substr(0, fail.find(L':'));
    Fault().at = _wtoi(fail.substr(fail.find(L':') + 1).c_str());
  }
}

// The scenario's failures; 1 for a scenario the host does not know.
int RunScenario(const std::wstring& scenario, const Options& o) {
  if (scenario == L"lifecycle") return Lifecycle();
  if (scenario == L"nodata") return NoData();
  if (scenario == L"ribbon") return Ribbon(o);
  if (scenario == L"insert") return Insert(o);
  if (scenario == L"about") return About(o);
  if (scenario == L"search") return Search(o);
  if (scenario == L"soak") return Soak(o);
  if (scenario == L"rujukan") return Rujukan(o);
  if (scenario == L"toggles") return Toggles(o);
  if (scenario == L"font")
    return CheckInstalledFont(check, o.Get(L"--family"), o.Get(L"--text-file"), o.Get(L"--screenshot"));
  return 1;
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
  const Options options = ParseOptions(argc, argv);
  ApplyHostOptions(options);
  const int failed = RunScenario(argv[1], options);
  Model().menuBar.items.clear();
  RevokeWordGlobal();
  CoUninitialize();
  return failed == 0 ? 0 : 1;
}
