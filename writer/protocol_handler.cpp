// The extension's UNO component: the protocol handler of "vnd.pelvaron:" URLs. Each URL is
// a command of the Al-Quran menu (GetAll, GetAyat, GetTerjemah, About) or the dialog-free
// Insert?...; all of them run in the one Session, which shows every failure as a message box.

#include <memory>
#include <string>

#include <com/sun/star/frame/FeatureStateEvent.hpp>
#include <com/sun/star/frame/XDispatch.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/lang/XInitialization.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/lang/XSingleComponentFactory.hpp>
#include <cppuhelper/factory.hxx>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XTerminateListener.hpp>
#include <cppuhelper/implbase1.hxx>
#include <cppuhelper/implbase4.hxx>
#include <cppuhelper/supportsservice.hxx>
#include <cppuhelper/weak.hxx>

#include "writer/session.hpp"
#include "writer/uno_text.hpp"

namespace pelvaron::writer {
constexpr const char* kImplementationName = "org.pelvaron.writer.ProtocolHandler";

namespace {

using css::uno::Reference;
using css::uno::Sequence;

constexpr const char* kProtocol = "vnd.pelvaron:";

Sequence<rtl::OUString> ServiceNames() {
  Sequence<rtl::OUString> names(1);
  names[0] = "com.sun.star.frame.ProtocolHandler";
  return names;
}

// The command and query of a URL of our protocol; an empty command for any other URL.
std::pair<std::string, std::string> ParseUrl(const css::util::URL& url) {
  const std::string complete = ToUtf8(url.Complete);
  const std::string protocol = kProtocol;
  if (complete.rfind(protocol, 0) != 0) return {};
  std::string rest = complete.substr(protocol.size());
  const std::size_t question = rest.find('?');
  std::string query = question == std::string::npos ? std::string() : rest.substr(question + 1);
  rest = rest.substr(0, question);
  if (!Session::Knows(rest)) return {};
  return {rest, query};
}

}  // namespace

// One Session for the whole process, made at the first command. It is never destroyed: its
// windows and references belong to LibreOffice's lifetime, which ends after the library's
// static destructors would run.
class TerminateListener : public cppu::WeakImplHelper1<css::frame::XTerminateListener> {
 public:
  explicit TerminateListener(Session& session) : session_(session) {}
  void SAL_CALL queryTermination(const css::lang::EventObject&) override {}
  void SAL_CALL notifyTermination(const css::lang::EventObject&) override { session_.Shutdown(); }
  void SAL_CALL disposing(const css::lang::EventObject&) override {}

 private:
  Session& session_;
};

Session& TheSession(const Reference<css::uno::XComponentContext>& context) {
  static Session* session = [&context] {
    auto* made = new Session(context);
    try {
      css::frame::Desktop::create(context)->addTerminateListener(new TerminateListener(*made));
    } catch (...) {
    }
    return made;
  }();
  return *session;
}

namespace {
class ProtocolHandler : public cppu::WeakImplHelper4<css::frame::XDispatchProvider, css::frame::XDispatch,
                                                     css::lang::XInitialization, css::lang::XServiceInfo> {
 public:
  explicit ProtocolHandler(const Reference<css::uno::XComponentContext>& context) : context_(context) {}

  void SAL_CALL initialize(const Sequence<css::uno::Any>& arguments) override {
    if (arguments.getLength() > 0) arguments[0] >>= frame_;
  }

  Reference<css::frame::XDispatch> SAL_CALL queryDispatch(const css::util::URL& url, const rtl::OUString&,
                                                          sal_Int32) override {
    if (ParseUrl(url).first.empty()) return nullptr;
    return this;
  }
  Sequence<Reference<css::frame::XDispatch>> SAL_CALL
  queryDispatches(const Sequence<css::frame::DispatchDescriptor>& requests) override {
    Sequence<Reference<css::frame::XDispatch>> result(requests.getLength());
    auto* out = result.getArray();
    for (sal_Int32 i = 0; i < requests.getLength(); ++i)
      out[i] = queryDispatch(requests[i].FeatureURL, requests[i].FrameName, requests[i].SearchFlags);
    return result;
  }

  void SAL_CALL dispatch(const css::util::URL& url, const Sequence<css::beans::PropertyValue>&) override {
    try {
      const auto [command, query] = ParseUrl(url);
      if (!command.empty()) TheSession(context_).Run(command, query, frame_);
    } catch (...) {
      // Session::Run shows its own failures; nothing may reach LibreOffice's dispatcher.
    }
  }

  void SAL_CALL addStatusListener(const Reference<css::frame::XStatusListener>& listener,
                                  const css::util::URL& url) override {
    if (!listener.is()) return;
    css::frame::FeatureStateEvent state;
    state.FeatureURL = url;
    state.IsEnabled = true;
    state.Source = static_cast<cppu::OWeakObject*>(this);
    try {
      listener->statusChanged(state);
    } catch (...) {
    }
  }
  void SAL_CALL removeStatusListener(const Reference<css::frame::XStatusListener>&,
                                     const css::util::URL&) override {}

  rtl::OUString SAL_CALL getImplementationName() override {
    return rtl::OUString::createFromAscii(kImplementationName);
  }
  sal_Bool SAL_CALL supportsService(const rtl::OUString& name) override {
    return cppu::supportsService(this, name);
  }
  Sequence<rtl::OUString> SAL_CALL getSupportedServiceNames() override { return ServiceNames(); }

 private:
  Reference<css::uno::XComponentContext> context_;
  Reference<css::frame::XFrame> frame_;
};

}  // namespace
}  // namespace pelvaron::writer

namespace {

css::uno::Reference<css::uno::XInterface> SAL_CALL
CreateHandler(const css::uno::Reference<css::uno::XComponentContext>& context) {
  return static_cast<cppu::OWeakObject*>(new pelvaron::writer::ProtocolHandler(context));
}

}  // namespace

// The shared-library loader's entry point: the factory of our one implementation.
extern "C" SAL_DLLPUBLIC_EXPORT void* SAL_CALL component_getFactory(const char* implementationName, void*,
                                                                    void*) {
  if (rtl::OString(implementationName) != pelvaron::writer::kImplementationName) return nullptr;
  css::uno::Reference<css::lang::XSingleComponentFactory> factory = cppu::createSingleComponentFactory(
      CreateHandler, rtl::OUString::createFromAscii(pelvaron::writer::kImplementationName),
      pelvaron::writer::ServiceNames());
  factory->acquire();
  return factory.get();
}
