#include "writer/user_settings.hpp"

#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNameReplace.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/util/XChangesBatch.hpp>

#include "writer/uno_text.hpp"

namespace pelvaron::writer {
namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

constexpr const char* kNode = "/org.pelvaron.writer.Settings";
constexpr const char* kCitation = "Rujukan";

Reference<css::uno::XInterface> Settings(const Reference<css::uno::XComponentContext>& context,
                                         const char* service) {
  css::uno::Sequence<Any> arguments(1);
  arguments[0] <<= css::beans::NamedValue("nodepath", Any(rtl::OUString::createFromAscii(kNode)));
  return css::configuration::theDefaultProvider::get(context)->createInstanceWithArguments(
      rtl::OUString::createFromAscii(service), arguments);
}

}  // namespace

CiteStyle StoredCitation(const Reference<css::uno::XComponentContext>& context) {
  try {
    const Reference<css::container::XNameAccess> settings(
        Settings(context, "com.sun.star.configuration.ConfigurationAccess"), UNO_QUERY_THROW);
    rtl::OUString name;
    settings->getByName(rtl::OUString::createFromAscii(kCitation)) >>= name;
    return ParseCiteStyle(ToUtf8(name));
  } catch (...) {
    return CiteStyle::None;  // no such setting yet, or one edited by hand into nonsense
  }
}

void Store(const Reference<css::uno::XComponentContext>& context, const char* name, const Any& value) {
  const Reference<css::uno::XInterface> settings =
      Settings(context, "com.sun.star.configuration.ConfigurationUpdateAccess");
  Reference<css::container::XNameReplace>(settings, UNO_QUERY_THROW)
      ->replaceByName(rtl::OUString::createFromAscii(name), value);
  Reference<css::util::XChangesBatch>(settings, UNO_QUERY_THROW)->commitChanges();
}

void StoreCitation(const Reference<css::uno::XComponentContext>& context, const std::string& name) {
  ParseCiteStyle(name);
  Store(context, kCitation, Any(ToOUString(name)));
}

bool StoredToggle(const Reference<css::uno::XComponentContext>& context, const char* name) {
  try {
    const Reference<css::container::XNameAccess> settings(
        Settings(context, "com.sun.star.configuration.ConfigurationAccess"), UNO_QUERY_THROW);
    bool on = false;
    settings->getByName(rtl::OUString::createFromAscii(name)) >>= on;
    return on;
  } catch (...) {
    return false;
  }
}

void StoreToggle(const Reference<css::uno::XComponentContext>& context, const char* name, bool on) {
  Store(context, name, Any(on));
}

}  // namespace pelvaron::writer
