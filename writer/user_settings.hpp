#pragma once
// The user's choices in the Al-Quran menu, kept in the extension's own configuration
// (/org.pelvaron.writer.Settings, package/Settings.xcs), so they outlive LibreOffice.

#include <com/sun/star/uno/XComponentContext.hpp>

#include "insert/citation.hpp"

namespace pelvaron::writer {

// The Rujukan choice; none when nothing valid is kept.
CiteStyle StoredCitation(const css::uno::Reference<css::uno::XComponentContext>& context);
// `name` as the URL gives it: none, qs, short, arabic (anything else is an input error).
void StoreCitation(const css::uno::Reference<css::uno::XComponentContext>& context, const std::string& name);

// A toggle of the menu ("Latin", "PerAyat"); off when nothing valid is kept.
bool StoredToggle(const css::uno::Reference<css::uno::XComponentContext>& context, const char* name);
void StoreToggle(const css::uno::Reference<css::uno::XComponentContext>& context, const char* name, bool on);

}  // namespace pelvaron::writer
