#include "addin/user_settings.hpp"

#include <iterator>

#include "addin/windows_api.hpp"
#include "forms/search_dialog.hpp"
#include "module/error.hpp"
#include "registration_names.hpp"  // generated in the add-in's build folder

namespace pelvaron::addin {
namespace {

constexpr const wchar_t* kCitationValue = L"Rujukan";
constexpr int kCitationCount = static_cast<int>(std::size(forms::kCiteChoices));

}  // namespace

int StoredCitation() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kWordAddInKey, kCitationValue, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS)
    return 0;
  return value < static_cast<DWORD>(kCitationCount) ? static_cast<int>(value) : 0;
}

void StoreCitation(int index) {
  if (index < 0 || index >= kCitationCount)
    throw Error(ErrorKind::HostCall, "Rujukan: entry " + std::to_string(index) + " is outside 0.." +
                                         std::to_string(kCitationCount - 1));
  const DWORD value = static_cast<DWORD>(index);
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, kWordAddInKey, kCitationValue, REG_DWORD, &value, sizeof value);
  if (status != ERROR_SUCCESS)
    throw Error(ErrorKind::HostCall,
                "Rujukan: the registry refused the choice (error " + std::to_string(status) + ")");
}

bool StoredToggle(const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_CURRENT_USER, kWordAddInKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
             ERROR_SUCCESS &&
         value != 0;
}

void StoreToggle(const wchar_t* name, bool on) {
  const DWORD value = on ? 1 : 0;
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, kWordAddInKey, name, REG_DWORD, &value, sizeof value);
  if (status != ERROR_SUCCESS)
    throw Error(ErrorKind::HostCall,
                "the registry refused the ribbon's choice (error " + std::to_string(status) + ")");
}

}  // namespace pelvaron::addin
