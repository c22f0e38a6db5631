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

}  // namespace pelvaron::writer
