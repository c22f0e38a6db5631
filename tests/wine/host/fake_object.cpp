#include "tests/wine/host/fake_object.hpp"

#include <typeinfo>

namespace pelvaron::wine_host {

CallCounts& Counts() {
  static CallCounts counts;
  return counts;
}

namespace {
std::atomic<long> g_live{0};
}  // namespace

long LiveObjects() { return g_live; }

InjectedFault& Fault() {
  static InjectedFault fault;
  return fault;
}

FakeObject::FakeObject(std::vector<std::wstring> members, std::vector<IID> extraIids)
    : members_(std::move(members)), extraIids_(std::move(extraIids)) {
  ++g_live;
}

FakeObject::~FakeObject() { --g_live; }

HRESULT FakeObject::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  bool dispatch = riid == IID_IUnknown || riid == IID_IDispatch;
  for (const IID& iid : extraIids_) dispatch = dispatch || riid == iid;
  if (dispatch) {
    *out = static_cast<IDispatch*>(this);
  } else if (void* extra = ExtraInterface(riid)) {
    *out = extra;
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG FakeObject::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT FakeObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}

DISPID FakeObject::NamedArgId(const std::wstring&, const std::wstring&) { return DISPID_UNKNOWN; }

const std::wstring& FakeObject::NamedArgName(DISPID id) const {
  static const std::wstring none;
  const auto index = static_cast<std::size_t>(id - 1000);
  return id >= 1000 && index < namedArgs_.size() ? namedArgs_[index] : none;
}

HRESULT FakeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  ++Counts().getIdsOfNames;
  std::string asked = typeid(*this).name();
  for (UINT i = 0; i < count; ++i)
    asked += " " + Utf8(names[i], static_cast<std::size_t>(lstrlenW(names[i])));
  Counts().namesAsked.insert(asked);
  HRESULT hr = S_OK;
  ids[0] = DISPID_UNKNOWN;
  for (std::size_t i = 0; i < members_.size(); ++i)
    if (lstrcmpiW(members_[i].c_str(), names[0]) == 0) ids[0] = static_cast<DISPID>(i + 1);
  if (ids[0] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  for (UINT i = 1; i < count; ++i) {
    ids[i] =
        hr == S_OK ? NamedArgId(members_[static_cast<std::size_t>(ids[0] - 1)], names[i]) : DISPID_UNKNOWN;
    if (ids[i] == DISPID_UNKNOWN) {
      hr = DISP_E_UNKNOWNNAME;
    } else {
      if (namedArgs_.size() <= static_cast<std::size_t>(ids[i] - 1000)) namedArgs_.resize(ids[i] - 1000 + 1);
      namedArgs_[static_cast<std::size_t>(ids[i] - 1000)] = names[i];
    }
  }
  return hr;
}

HRESULT FakeObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excep, UINT*) {
  ++Counts().invoke;
  if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  try {
    if (result) VariantInit(result);
    const std::wstring& member = members_[static_cast<std::size_t>(id - 1)];
    ++Counts().invokeOf[member];
    InjectedFault& fault = Fault();
    if (fault.at > 0 && member == fault.member && ++fault.calls == fault.at)
      throw HostFault{
          L"This method or property is not available because the document is locked for editing (" + member +
          L" call " + std::to_wstring(fault.at) + L")."};
    Call(member, flags, *params, result);
    return S_OK;
  } catch (const HostFault& fault) {
    if (excep) {
      *excep = EXCEPINFO{};
      excep->bstrSource = SysAllocString(L"stand-in Word");
      excep->bstrDescription = SysAllocString(fault.message.c_str());
      excep->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
  }
}

void ExpectArgs(const std::wstring& member, const DISPPARAMS& params, UINT count) {
  if (params.cArgs != count)
    throw HostFault{member + L": " + std::to_wstring(params.cArgs) + L" arguments, expected " +
                    std::to_wstring(count)};
}

const VARIANT& PositionalArg(const std::wstring& member, const DISPPARAMS& params, UINT index, VARTYPE type) {
  if (params.cNamedArgs != 0) throw HostFault{member + L": named arguments where positional ones belong"};
  if (index >= params.cArgs)
    throw HostFault{member + L": argument " + std::to_wstring(index + 1) + L" missing"};
  const VARIANT& v = params.rgvarg[params.cArgs - 1 - index];
  if (v.vt != type)
    throw HostFault{member + L": argument " + std::to_wstring(index + 1) + L" has VARIANT type " +
                    std::to_wstring(v.vt) + L", expected " + std::to_wstring(type)};
  return v;
}

const VARIANT& PutValue(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARTYPE type) {
  if (!(flags & DISPATCH_PROPERTYPUT) || params.cArgs != 1 || params.cNamedArgs != 1 ||
      params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
    throw HostFault{member + L": not a property put"};
  if (params.rgvarg[0].vt != type)
    throw HostFault{member + L": value has VARIANT type " + std::to_wstring(params.rgvarg[0].vt) +
                    L", expected " + std::to_wstring(type)};
  return params.rgvarg[0];
}

bool IsGet(WORD flags) { return (flags & DISPATCH_PROPERTYGET) != 0; }

void ReturnObject(VARIANT* result, IDispatch* object) {
  if (!result) throw HostFault{L"an object property read without a result"};
  object->AddRef();  // the caller's reference
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
}

void ReturnText(VARIANT* result, const std::wstring& text) {
  if (!result) throw HostFault{L"a text property read without a result"};
  result->vt = VT_BSTR;
  result->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

std::string Utf8(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Utf8(BSTR text) { return text ? Utf8(text, SysStringLen(text)) : std::string(); }

}  // namespace pelvaron::wine_host
