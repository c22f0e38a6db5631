#include "forms/insert_parts.hpp"

#include "module/error.hpp"

namespace pelvaron::forms {

InsertMode InsertModeOf(const InsertParts& parts) {
  if (parts.arabic && parts.translation) return {InsertWhat::All, parts.latin};
  if (parts.arabic) return {InsertWhat::Arabic, parts.latin};
  if (parts.translation) return {InsertWhat::Translation, parts.latin};
  if (parts.latin) return {InsertWhat::Latin, false};
  throw Error(ErrorKind::Input, kNoPartChosen);
}

}  // namespace pelvaron::forms
