#include "addin/late_binding.hpp"

#include <algorithm>

#include "addin/com_error.hpp"
#include "addin/wide_text.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {

Arg::Arg() { VariantInit(&v_); }
Arg::Arg(const Arg& other) : Arg() {
  CheckHr(VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)), "copying an argument");
}
Arg::~Arg() { VariantClear(&v_); }

Arg Arg::Int(int32_t value) {
  Arg a;
  a.v_.vt = VT_I4;
  a.v_.lVal = value;
  return a;
}

Arg Arg::Bool(bool value) {
  Arg a;
  a.v_.vt = VT_BOOL;
  a.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return a;
}

Arg Arg::Float(float value) {
  Arg a;
  a.v_.vt = VT_R4;
  a.v_.fltVal = value;
  return a;
}

Arg Arg::Text(const std::wstring& value) {
  Arg a;
  a.v_.vt = VT_BSTR;
  a.v_.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  if (!a.v_.bstrVal) throw std::bad_alloc();
  return a;
}

const std::vector<DISPID>& DispidCache::Ids(IDispatch* object, const std::wstring& member,
                                            const std::vector<std::wstring>& namedArgs) {
  std::wstring key = member;
  for (const auto& n : namedArgs) key += L"|" + n;
  if (auto found = ids_.find(key); found != ids_.end()) return found->second;

  std::vector<LPOLESTR> names;
  names.push_back(const_cast<LPOLESTR>(member.c_str()));
  for (const auto& n : namedArgs) names.push_back(const_cast<LPOLESTR>(n.c_str()));
  std::vector<DISPID> ids(names.size(), DISPID_UNKNOWN);
  CheckHr(object->GetIDsOfNames(IID_NULL, names.data(), static_cast<UINT>(names.size()), LOCALE_USER_DEFAULT,
                                ids.data()),
          "looking up the name " + Narrow(key));
  return ids_.emplace(key, std::move(ids)).first->second;
}

std::string ObjectKind::Where(const std::wstring& member) const { return Narrow(name_ + L"." + member); }

void ObjectKind::Invoke(IDispatch* object, const std::wstring& member, DISPID id, WORD flags,
                        DISPPARAMS& params, VARIANT* result) {
  if (!object) throw Error(ErrorKind::HostCall, Where(member) + ": there is no " + Narrow(name_) + " object");
  EXCEPINFO excep{};
  UINT argErr = 0;
  const HRESULT hr =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &excep, &argErr);
  if (hr == DISP_E_EXCEPTION) {
    if (excep.pfnDeferredFillIn) excep.pfnDeferredFillIn(&excep);
    std::string message = Where(member) + " failed";
    if (excep.bstrDescription)
      message += ": " + Narrow(std::wstring(excep.bstrDescription, SysStringLen(excep.bstrDescription)));
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    throw Error(ErrorKind::HostCall, message);
  }
  CheckHr(hr, Where(member));
}

namespace {

// DISPPARAMS want the arguments last to first.
std::vector<VARIANT> Reversed(std::initializer_list<Arg> args) {
  std::vector<VARIANT> out;
  for (const Arg& a : args) out.push_back(a.variant());  // shallow: `args` keeps ownership
  std::reverse(out.begin(), out.end());
  return out;
}

ComPtr<IDispatch> TakeObject(Variant& result, const std::string& where) {
  if (result.get()->vt != VT_DISPATCH || !result.get()->pdispVal)
    throw Error(ErrorKind::HostCall, where + " gave no object");
  return ComPtr<IDispatch>(result.get()->pdispVal);
}

}  // namespace

ComPtr<IDispatch> ObjectKind::Get(IDispatch* object, const std::wstring& property) {
  const DISPID id = cache_.Ids(object, property)[0];
  DISPPARAMS params{};
  Variant result;
  Invoke(object, property, id, DISPATCH_PROPERTYGET, params, result.get());
  return TakeObject(result, Where(property));
}

std::wstring ObjectKind::GetString(IDispatch* object, const std::wstring& property) {
  const DISPID id = cache_.Ids(object, property)[0];
  DISPPARAMS params{};
  Variant result;
  Invoke(object, property, id, DISPATCH_PROPERTYGET, params, result.get());
  CheckHr(VariantChangeType(result.get(), result.get(), 0, VT_BSTR), Where(property) + " as text");
  return std::wstring(result.get()->bstrVal, SysStringLen(result.get()->bstrVal));
}

bool ObjectKind::GetBool(IDispatch* object, const std::wstring& property) {
  const DISPID id = cache_.Ids(object, property)[0];
  DISPPARAMS params{};
  Variant result;
  Invoke(object, property, id, DISPATCH_PROPERTYGET, params, result.get());
  CheckHr(VariantChangeType(result.get(), result.get(), 0, VT_BOOL), Where(property) + " as a truth value");
  return result.get()->boolVal != VARIANT_FALSE;
}

void ObjectKind::Put(IDispatch* object, const std::wstring& property, const Arg& value) {
  const DISPID id = cache_.Ids(object, property)[0];
  VARIANT arg = value.variant();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  Invoke(object, property, id, DISPATCH_PROPERTYPUT, params, nullptr);
}

void ObjectKind::Call(IDispatch* object, const std::wstring& method, std::initializer_list<Arg> args) {
  const DISPID id = cache_.Ids(object, method)[0];
  std::vector<VARIANT> reversed = Reversed(args);
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  Variant result;
  Invoke(object, method, id, DISPATCH_METHOD, params, result.get());
}

ComPtr<IDispatch> ObjectKind::CallForObject(IDispatch* object, const std::wstring& method,
                                            std::initializer_list<Arg> args) {
  const DISPID id = cache_.Ids(object, method)[0];
  std::vector<VARIANT> reversed = Reversed(args);
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  Variant result;
  Invoke(object, method, id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params, result.get());
  return TakeObject(result, Where(method));
}

ComPtr<IDispatch> ObjectKind::CallNamed(IDispatch* object, const std::wstring& method,
                                        const std::vector<std::pair<std::wstring, Arg>>& namedArgs) {
  std::vector<std::wstring> names;
  for (const auto& [name, value] : namedArgs) names.push_back(name);
  const std::vector<DISPID>& ids = cache_.Ids(object, method, names);
  // Argument i goes with named DISPID i; their order among themselves is free.
  std::vector<VARIANT> values;
  std::vector<DISPID> namedIds(ids.begin() + 1, ids.end());
  for (const auto& [name, value] : namedArgs) values.push_back(value.variant());
  DISPPARAMS params{values.data(), namedIds.data(), static_cast<UINT>(values.size()),
                    static_cast<UINT>(namedIds.size())};
  Variant result;
  Invoke(object, method, ids[0], DISPATCH_METHOD, params, result.get());
  return TakeObject(result, Where(method));
}

}  // namespace pelvaron::addin
