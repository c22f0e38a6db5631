#pragma once
// What the extension keeps while LibreOffice runs: the module state, the AWT forms runtime,
// the dialogs and the document they type into. Every command of the protocol handler runs
// here, and nothing of it throws.

#include <string>

#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include "forms/forms_app.hpp"
#include "module/state.hpp"
#include "writer/awt_forms.hpp"
#include "writer/frame_document.hpp"

namespace pelvaron::writer {

// The extension's identifier (description.xml), through which its files are found.
inline constexpr const char* kExtensionId = "org.pelvaron.writer";

class Session {
 public:
  explicit Session(const css::uno::Reference<css::uno::XComponentContext>& context);

  // "Insert" (with `query`), "GetAll", "GetAyat", "GetTerjemah" or "About", for `frame`.
  void Run(const std::string& command, const std::string& query,
           const css::uno::Reference<css::frame::XFrame>& frame);

  static bool Knows(const std::string& command);

  // LibreOffice is ending: the forms close and their windows go before the toolkit does.
  void Shutdown() noexcept;

 private:
  void RunCommand(const std::string& command, const std::string& query,
                  const css::uno::Reference<css::frame::XFrame>& frame);
  // The Insert URL's verses typed into the current document, refused as the dialog refuses.
  void InsertFromQuery(const std::string& query);
  // The extension's own folder, from LibreOffice's package registry.
  std::string ExtensionFolder() const;
  void LoadData();
  // Makes the Quran font usable when the system lacks it: LibreOffice takes the fonts a
  // loaded document embeds for the whole session, so the extension's font carrier
  // (fonts/quran-font.fodt) is opened hidden once and closed.
  void ProvideQuranFont();
  void PlayScript(const std::string& path);
  void PlayLine(const std::string& line);
  // Each false when the line is none of its actions.
  bool PlayDialogLine(const std::string& command, const std::string& rest);
  bool PlayAboutLine(const std::string& rest);
  // The dialog's boxes and check box, one State line.
  void LogDialogState();
  // The menu's settings commands (Rujukan, Latin, PerAyat); false for any other command.
  bool StoreChoice(const std::string& command, const std::string& query);
  void Log(const std::string& line) const;

  css::uno::Reference<css::uno::XComponentContext> context_;
  ModuleState state_;
  AwtRuntime runtime_;
  std::shared_ptr<FrameDocument> document_;
  forms::FormsApp app_;
  std::string logPath_;
  bool fontProvided_ = false;
};

}  // namespace pelvaron::writer
