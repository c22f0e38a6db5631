#pragma once
// The base of the stand-in host's objects: IDispatch by a table of member names, counting
// every GetIDsOfNames and Invoke the add-in makes, so the test can tell how it binds.

#include "addin/windows_api.hpp"

#include <atomic>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pelvaron::wine_host {

struct CallCounts {
  long getIdsOfNames = 0;
  long invoke = 0;
  // Every distinct lookup: the object's class and the names asked for.
  std::set<std::string> namesAsked;
  // Invoke per member name.
  std::map<std::wstring, long> invokeOf;
};
CallCounts& Counts();
// Objects of the stand-in alive now: what the host holds, and what the add-in still holds
// of those it was handed.
long LiveObjects();

// A failure the host reports back to the add-in through DISP_E_EXCEPTION.
struct HostFault {
  std::wstring message;
};

// Set by --fail MEMBER:N: the N-th call of MEMBER, on any object, fails as Word fails a
// call on a document locked for editing.
struct InjectedFault {
  std::wstring member;
  long at = 0;
  long calls = 0;
};
InjectedFault& Fault();

class FakeObject : public IDispatch {
 public:
  // `members`: names in DISPID order, from 1. `extraIids`: interfaces answered besides
  // IUnknown and IDispatch (Word's dual interfaces).
  FakeObject(std::vector<std::wstring> members, std::vector<IID> extraIids = {});
  FakeObject(const FakeObject&) = delete;
  FakeObject& operator=(const FakeObject&) = delete;
  virtual ~FakeObject();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT* argErr) override;

 protected:
  // One member call; throws HostFault for a bad call. `member` is the table's name.
  virtual void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) = 0;
  // Other interfaces (a connection point container); null when not offered.
  virtual void* ExtraInterface(REFIID) { return nullptr; }
  // The names of named arguments this object takes (Add's "Type", "Temporary").
  virtual DISPID NamedArgId(const std::wstring& member, const std::wstring& name);
  const std::wstring& NamedArgName(DISPID id) const;

 private:
  std::atomic<ULONG> refs_{1};
  std::vector<std::wstring> members_;
  std::vector<IID> extraIids_;
  std::vector<std::wstring> namedArgs_;
};

// Argument helpers; each throws HostFault naming the member when the add-in passed the
// wrong count or VARIANT type. Positional arguments count from the first.
void ExpectArgs(const std::wstring& member, const DISPPARAMS& params, UINT count);
const VARIANT& PositionalArg(const std::wstring& member, const DISPPARAMS& params, UINT index, VARTYPE type);
// The value of a property put (DISPID_PROPERTYPUT).
const VARIANT& PutValue(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARTYPE type);
bool IsGet(WORD flags);

void ReturnObject(VARIANT* result, IDispatch* object);
void ReturnText(VARIANT* result, const std::wstring& text);

std::string Utf8(const wchar_t* text, std::size_t length);
std::string Utf8(BSTR text);

}  // namespace pelvaron::wine_host
