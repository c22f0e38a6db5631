#include "addin/quran_menu.hpp"

#include <string>

#include "addin/word_session.hpp"

namespace pelvaron::addin {
namespace {

constexpr int32_t kControlButton = 1;
constexpr int32_t kControlPopup = 10;
constexpr const wchar_t* kMenuCaption = L"Al-Quran";

struct ButtonText {
  const wchar_t* caption;
  const wchar_t* tooltip;
};

// The trailing space of the first tooltip is the menu's own.
constexpr std::array<ButtonText, kMenuButtonCount> kButtons{{
    {L"Get All", L"Get Ayat, terjemah & Note "},
    {L"Get Ayat", L"Get Ayat"},
    {L"Get Terjemah", L"Get Terjemah"},
    {L"About", L"About"},
    {L"Cari Ayat", L"Cari ayat dari kata, nama surat atau rujukan"},
}};

ComPtr<IDispatch> ActiveMenuBar(WordSession& word) {
  ComPtr<IDispatch> bars = word.Kind(L"Application").Get(word.Application(), L"CommandBars");
  return word.Kind(L"CommandBars").Get(bars.get(), L"ActiveMenuBar");
}

}  // namespace

void BuildQuranMenu(WordSession& word, IDispatch* addInInst, const StoreButton& store) {
  ComPtr<IDispatch> menuBar = ActiveMenuBar(word);
  ComPtr<IDispatch> barControls = word.Kind(L"CommandBar").Get(menuBar.get(), L"Controls");
  ComPtr<IDispatch> popup = word.Kind(L"CommandBarControls")
                                .CallNamed(barControls.get(), L"Add",
                                           {{L"Type", Arg::Int(kControlPopup)}, {L"Temporary", Arg::Bool(true)}});
  ObjectKind& popupKind = word.Kind(L"CommandBarPopup");
  popupKind.Put(popup.get(), L"Caption", Arg::Text(kMenuCaption));

  ComPtr<IDispatch> popupControls = popupKind.Get(popup.get(), L"Controls");
  ObjectKind& buttonKind = word.Kind(L"CommandBarButton");
  ObjectKind addInKind(L"AddIn");
  for (int i = 0; i < kMenuButtonCount; ++i) {
    ComPtr<IDispatch> button =
        word.Kind(L"CommandBarControls").CallNamed(popupControls.get(), L"Add", {{L"Type", Arg::Int(kControlButton)}});
    store(i, button);
    buttonKind.Put(button.get(), L"Caption", Arg::Text(kButtons[static_cast<std::size_t>(i)].caption));
    buttonKind.Put(button.get(), L"TooltipText", Arg::Text(kButtons[static_cast<std::size_t>(i)].tooltip));
    const std::wstring progId = addInKind.GetString(addInInst, L"ProgId");
    buttonKind.Put(button.get(), L"OnAction", Arg::Text(L"!<" + progId + L">"));
  }
}

void RemoveQuranMenu(WordSession* word) noexcept {
  try {
    if (!word) return;
    ComPtr<IDispatch> menuBar = ActiveMenuBar(*word);
    ComPtr<IDispatch> controls = word->Kind(L"CommandBar").Get(menuBar.get(), L"Controls");
    ComPtr<IDispatch> menu =
        word->Kind(L"CommandBarControls").CallForObject(controls.get(), L"Item", {Arg::Text(kMenuCaption)});
    word->Kind(L"CommandBarControl").Call(menu.get(), L"Delete");
  } catch (...) {
    // Nothing to remove, or Word is going away: either way there is nothing left to do.
  }
}

}  // namespace pelvaron::addin
