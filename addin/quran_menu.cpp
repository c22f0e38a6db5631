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
  // Word re-creates command bars for other document windows; a button's Click reaches the
  // add-in there only through a Tag of its own.
  const wchar_t* tag;
};

// The trailing space of the first tooltip is the menu's own.
constexpr std::array<ButtonText, kMenuButtonCount> kButtons{{
    {L"Get All", L"Get Ayat, terjemah & Note ", L"Pelvaron.GetAll"},
    {L"Get Ayat", L"Get Ayat", L"Pelvaron.GetAyat"},
    {L"Get Terjemah", L"Get Terjemah", L"Pelvaron.GetTerjemah"},
    {L"About", L"About", L"Pelvaron.About"},
    {L"Cari Ayat", L"Cari ayat dari kata, nama surat atau rujukan", L"Pelvaron.CariAyat"},
}};

// Word marks Normal changed whenever its command bars change, even for temporary controls,
// and would then ask at exit whether to save it: a template saved before is marked saved
// again afterwards. Where Word has no Normal template to ask, nothing is done.
class NormalTemplateKept {
 public:
  explicit NormalTemplateKept(WordSession& word) noexcept : word_(word) {
    try {
      normal_ = word.Kind(L"Application").Get(word.Application(), L"NormalTemplate");
      saved_ = word.Kind(L"Template").GetBool(normal_.get(), L"Saved");
    } catch (...) {
      normal_.reset();
    }
  }
  NormalTemplateKept(const NormalTemplateKept&) = delete;
  NormalTemplateKept& operator=(const NormalTemplateKept&) = delete;
  ~NormalTemplateKept() {
    if (!normal_ || !saved_) return;
    try {
      word_.Kind(L"Template").Put(normal_.get(), L"Saved", Arg::Bool(true));
    } catch (...) {
      // Word refused: at worst it asks at exit, as it did before.
    }
  }

 private:
  WordSession& word_;
  ComPtr<IDispatch> normal_;
  bool saved_ = false;
};

ComPtr<IDispatch> ActiveMenuBar(WordSession& word) {
  ComPtr<IDispatch> bars = word.Kind(L"Application").Get(word.Application(), L"CommandBars");
  return word.Kind(L"CommandBars").Get(bars.get(), L"ActiveMenuBar");
}

}  // namespace

void BuildQuranMenu(WordSession& word, IDispatch* addInInst, const StoreButton& store) {
  NormalTemplateKept normal(word);
  ComPtr<IDispatch> menuBar = ActiveMenuBar(word);
  ComPtr<IDispatch> barControls = word.Kind(L"CommandBar").Get(menuBar.get(), L"Controls");
  ComPtr<IDispatch> popup =
      word.Kind(L"CommandBarControls")
          .CallNamed(barControls.get(), L"Add",
                     {{L"Type", Arg::Int(kControlPopup)}, {L"Temporary", Arg::Bool(true)}});
  ObjectKind& popupKind = word.Kind(L"CommandBarPopup");
  popupKind.Put(popup.get(), L"Caption", Arg::Text(kMenuCaption));

  ComPtr<IDispatch> popupControls = popupKind.Get(popup.get(), L"Controls");
  ObjectKind& buttonKind = word.Kind(L"CommandBarButton");
  ObjectKind addInKind(L"AddIn");
  for (int i = 0; i < kMenuButtonCount; ++i) {
    ComPtr<IDispatch> button =
        word.Kind(L"CommandBarControls")
            .CallNamed(popupControls.get(), L"Add", {{L"Type", Arg::Int(kControlButton)}});
    store(i, button);
    buttonKind.Put(button.get(), L"Caption", Arg::Text(kButtons[static_cast<std::size_t>(i)].caption));
    buttonKind.Put(button.get(), L"TooltipText", Arg::Text(kButtons[static_cast<std::size_t>(i)].tooltip));
    const std::wstring progId = addInKind.GetString(addInInst, L"ProgId");
    buttonKind.Put(button.get(), L"OnAction", Arg::Text(L"!<" + progId + L">"));
    buttonKind.Put(button.get(), L"Tag", Arg::Text(kButtons[static_cast<std::size_t>(i)].tag));
  }
}

void RemoveQuranMenu(WordSession* word) noexcept {
  try {
    if (!word) return;
    NormalTemplateKept normal(*word);
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
