#include "writer/session.hpp"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <fstream>
#include <map>

#include <com/sun/star/awt/FontDescriptor.hpp>
#include <com/sun/star/awt/XDevice.hpp>
#include <com/sun/star/awt/XWindowPeer.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/deployment/PackageInformationProvider.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <osl/file.hxx>

#include "data/surah_index.hpp"
#include "forms/about_box.hpp"
#include "forms/search_dialog.hpp"
#include "forms/search_script.hpp"
#include "forms/verse_dialog.hpp"
#include "insert/insert_request.hpp"
#include "module/error.hpp"
#include "module/trace_format.hpp"
#include "writer/awt_form.hpp"
#include "writer/insert_url.hpp"
#include "writer/uno_text.hpp"
#include "writer/user_settings.hpp"

namespace pelvaron::writer {
namespace {

using css::uno::Reference;
using css::uno::UNO_QUERY;

// The Arabic of "(normal text)": the font the extension carries (fonts/), as the .docx
// writer's default Arabic font.
constexpr const char* kQuranFont = "Amiri Quran";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::pair<std::string, std::string> SplitWord(const std::string& line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

// The script's user on the AWT runtime: Enter and clicks reach the form as the toolkit's
// events do; State lines go to the log.
class AwtUser : public forms::ScriptedUser {
 public:
  explicit AwtUser(std::function<void(const std::string&)> log) : log_(std::move(log)) {}
  void PressEnter(forms::Form& form, std::string_view control) override {
    static_cast<AwtForm&>(form).OnEnter(std::string(control));
  }
  void Click(forms::Form& form, std::string_view control) override {
    static_cast<AwtForm&>(form).OnClick(std::string(control));
  }
  void Write(const std::string& line) override { log_(line); }

 private:
  std::function<void(const std::string&)> log_;
};

// A box of the dialog, which a script line can reach only while the dialog is open.
forms::ComboBox& OpenCombo(forms::Form& dialog, const char* name) {
  if (!dialog.Loaded()) throw Error(ErrorKind::Input, "the dialog is not open");
  return dialog.Combo(name);
}

int ScriptNumber(const std::string& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (...) {
  }
  throw Error(ErrorKind::Input, "\"" + text + "\" is not a whole number");
}

// "select N" or "text T" for one of the dialog's boxes.
void PlayBoxLine(forms::Form& dialog, const char* box, const std::string& rest) {
  const auto [action, argument] = SplitWord(rest);
  if (action == "select") return OpenCombo(dialog, box).SetListIndex(ScriptNumber(argument));
  if (action == "text") return OpenCombo(dialog, box).SetText(argument);
  throw Error(ErrorKind::Input, "a box takes \"select N\" or \"text T\"");
}

}  // namespace

Session::Session(const Reference<css::uno::XComponentContext>& context)
    : context_(context),
      runtime_(context),
      document_(std::make_shared<FrameDocument>(context, kQuranFont, "Al-Quran")),
      app_(state_, runtime_) {
  state_.Document = document_;
  state_.Frame = document_;
  runtime_.SetAfterEvent([document = document_] { document->Finish(); });
}

void Session::Shutdown() noexcept {
  try {
    app_.VerseForm().form().Unload();
    app_.AboutForm().form().Unload();
    app_.SearchForm().form().Unload();
    runtime_.DisposePending();
  } catch (...) {
  }
}

bool Session::Knows(const std::string& command) {
  return command == "Insert" || command == "GetAll" || command == "GetAyat" || command == "GetTerjemah" ||
         command == "About" || command == "CariAyat" || command == "Rujukan" || command == "Latin" ||
         command == "PerAyat";
}

void Session::Log(const std::string& line) const {
  if (logPath_.empty()) return;
  std::ofstream(logPath_, std::ios::app) << line << "\n";
}

std::string Session::ExtensionFolder() const {
  const rtl::OUString url = css::deployment::PackageInformationProvider::get(context_)->getPackageLocation(
      ToOUString(kExtensionId));
  rtl::OUString path;
  if (url.isEmpty() || osl::FileBase::getSystemPathFromFileURL(url, path) != osl::FileBase::E_None)
    throw Error(ErrorKind::File,
                std::string("the extension ") + kExtensionId + " cannot find its own folder");
  return ToUtf8(path);
}

void Session::ProvideQuranFont() {
  if (fontProvided_) return;
  fontProvided_ = true;  // once per session, whatever happens: a missing font only looks different
  const Reference<css::awt::XDevice> device = runtime_.toolkit()->createScreenCompatibleDevice(1, 1);
  for (const css::awt::FontDescriptor& font : device->getFontDescriptors())
    if (ToUtf8(font.Name) == kQuranFont) return;
  rtl::OUString url;
  if (osl::FileBase::getFileURLFromSystemPath(ToOUString(ExtensionFolder() + "/fonts/quran-font.fodt"),
                                              url) != osl::FileBase::E_None)
    return;
  css::uno::Sequence<css::beans::PropertyValue> hidden(1);
  hidden[0].Name = "Hidden";
  hidden[0].Value <<= true;
  Reference<css::lang::XComponent> carrier =
      css::frame::Desktop::create(context_)->loadComponentFromURL(url, "_blank", 0, hidden);
  Reference<css::util::XCloseable> closeable(carrier, UNO_QUERY);
  if (closeable.is()) closeable->close(true);
}

void Session::LoadData() {
  // Read afresh at every command: a pack repaired or replaced meanwhile is taken as it is now.
  std::string folder = Environment("PELVARON_WRITER_DATA");
  if (folder.empty()) folder = ExtensionFolder();
  try {
    LoadModuleState(state_, folder);
  } catch (const Error& e) {
    throw Error(e.kind(), "Pelvaron cannot read its Quran data (DataQuran): " + std::string(e.what()));
  }
}

void Session::Run(const std::string& command, const std::string& query,
                  const Reference<css::frame::XFrame>& frame) {
  logPath_ = Environment("PELVARON_WRITER_LOG");
  const std::string script = Environment("PELVARON_WRITER_SCRIPT");
  runtime_.SetLog([this](const std::string& line) { Log(line); }, script.empty());
  runtime_.RunEvent([&] { RunCommand(command, query, frame); });
  // Each line of the script is one user action, as if typed or clicked after the command.
  if (!script.empty() && command != "Insert") runtime_.RunEvent([&] { PlayScript(script); });
}

bool Session::StoreChoice(const std::string& command, const std::string& query) {
  if (command == "Rujukan") {
    if (query.rfind("cite=", 0) != 0)
      throw Error(ErrorKind::Input, "Rujukan needs cite=none|qs|short|arabic");
    StoreCitation(context_, query.substr(5));
    return true;
  }
  if (command != "Latin" && command != "PerAyat") return false;
  if (query != "on=0" && query != "on=1") throw Error(ErrorKind::Input, command + " needs on=0 or on=1");
  StoreToggle(context_, command.c_str(), query == "on=1");
  return true;
}

void Session::RunCommand(const std::string& command, const std::string& query,
                         const Reference<css::frame::XFrame>& frame) {
  if (!frame.is()) throw Error(ErrorKind::HostCall, "the command came from no window");
  runtime_.SetParent(Reference<css::awt::XWindowPeer>(frame->getContainerWindow(), UNO_QUERY));
  if (command == "About") return app_.OnAboutClicked();
  if (StoreChoice(command, query)) return;
  // The menu's commands type the citation, the Latin and the layout the user chose there; the
  // Insert URL names its own.
  app_.SetCitation(StoredCitation(context_));
  app_.SetLatinLayout(StoredToggle(context_, "Latin"), StoredToggle(context_, "PerAyat"));
  Reference<css::frame::XController> controller = frame->getController();
  Reference<css::frame::XModel> model = controller.is() ? controller->getModel() : nullptr;
  if (!Reference<css::text::XTextDocument>(model, UNO_QUERY).is())
    throw Error(ErrorKind::Input, "Al-Quran inserts into Writer text documents only");
  LoadData();
  try {
    ProvideQuranFont();
  } catch (...) {
  }
  document_->SetModel(model);
  if (command == "GetAll") return app_.OnGetAllClicked();
  if (command == "GetAyat") return app_.OnGetAyatClicked();
  if (command == "GetTerjemah") return app_.OnGetTerjemahClicked();
  if (command == "CariAyat") return app_.OnSearchClicked();
  InsertFromQuery(query);
}

void Session::InsertFromQuery(const std::string& query) {
  const InsertQuery parsed = ParseInsertQuery(query);
  InsertRequest request = parsed.request;
  try {
    request.segments = ChosenSegments(state_, parsed.choice);
    CheckInsertRequest(state_, request);
  } catch (const Error& e) {
    // As the dialog tells it: information, not a failure.
    if (std::string(e.what()) != kVerseMissing) throw;
    return runtime_.MsgBox(kVerseMissing, forms::kMsgBoxInformation);
  }
  RunInsertRequest(state_, *document_, request);
}

void Session::PlayScript(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw Error(ErrorKind::File, path + ": the action script cannot be read");
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    try {
      PlayLine(line);
    } catch (const Error& e) {
      throw Error(e.kind(), "script line " + std::to_string(number) + ": " + e.what());
    }
  }
}

// The user actions of `pelvaron dialog`'s scripts that make sense after a menu command.
void Session::PlayLine(const std::string& line) {
  const auto [command, rest] = SplitWord(line);
  if (command == "about" && PlayAboutLine(rest)) return;
  if (command == "search") {
    AwtUser user([this](const std::string& text) { Log(text); });
    try {
      return forms::RunSearchLine(app_, user, rest);
    } catch (const forms::ScriptError& e) {
      throw Error(ErrorKind::Input, e.what());
    }
  }
  if (PlayDialogLine(command, rest)) return;
  throw Error(ErrorKind::Input, "\"" + line + "\" is no user action");
}

bool Session::PlayDialogLine(const std::string& command, const std::string& rest) {
  forms::Form& dialog = app_.VerseForm().form();
  const std::map<std::string, const char*> boxes{{"surah", "cbSurat"}, {"from", "cbFrom"}, {"to", "cbTo"}};
  if (const auto box = boxes.find(command); box != boxes.end()) {
    PlayBoxLine(dialog, box->second, rest);
  } else if (command == "check") {
    OpenCombo(dialog, "cbSurat");
    dialog.Check("Check1").SetValue(ScriptNumber(rest));
  } else if (command == "ok") {
    OpenCombo(dialog, "cbSurat");
    static_cast<AwtForm&>(dialog).OnClick("Command1");
  } else if (command == "close") {
    dialog.Unload();
  } else if (command == "state") {
    LogDialogState();
  } else {
    return false;
  }
  return true;
}

void Session::LogDialogState() {
  forms::Form& dialog = app_.VerseForm().form();
  if (!dialog.Loaded()) return Log("State loaded=0");
  const auto text = [&](const char* name) { return QuoteTraceString(dialog.Combo(name).Text()); };
  Log("State loaded=1 surah=" + text("cbSurat") + " from=" + text("cbFrom") + " to=" + text("cbTo") +
      " from.count=" + std::to_string(dialog.Combo("cbFrom").ListCount()) +
      " check=" + std::to_string(dialog.Check("Check1").Value()));
}

bool Session::PlayAboutLine(const std::string& rest) {
  if (rest.rfind("click ", 0) == 0) {
    forms::Form& about = app_.AboutForm().form();
    if (!about.Loaded()) throw Error(ErrorKind::Input, "the About box is not open");
    const std::string target = rest.substr(6);
    static_cast<AwtForm&>(about).OnClick(target == "form" ? std::string() : target);
    return true;
  }
  if (rest == "state") {
    Log(std::string("About loaded=") + (app_.AboutForm().form().Loaded() ? "1" : "0"));
    return true;
  }
  if (rest != "labels") return false;
  // What each label is drawn with, for a test to measure with AWT's font metrics.
  auto& about = static_cast<AwtForm&>(app_.AboutForm().form());
  for (const forms::ControlLayout& c : forms::AboutBoxLayout().controls) {
    if (c.kind != forms::ControlKind::Label) continue;
    const css::awt::FontDescriptor font = about.LabelFont(c.name);
    Log("Label " + c.name + " font=" + QuoteTraceString(ToUtf8(font.Name)) + " height=" +
        std::to_string(font.Height) + " weight=" + std::to_string(static_cast<int>(font.Weight)) +
        " box=" + std::to_string(std::lround(c.width / runtime_.TwipsPerPixelX())) +
        " caption=" + QuoteTraceString(c.caption));
  }
  return true;
}

}  // namespace pelvaron::writer
