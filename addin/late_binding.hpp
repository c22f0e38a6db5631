#pragma once
// Late binding into Word's objects through IDispatch only. Each kind of object (Selection,
// Font, Controls, ...) has its own cache, so a member's DISPID is looked up once per name
// and reused for every later object of that kind. A failing call raises a HostCall error
// naming the member.

#include "addin/windows_api.hpp"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "addin/com_ptr.hpp"

namespace pelvaron::addin {

// One argument of a call, owned (a BSTR argument is freed with it).
class Arg {
 public:
  static Arg Int(int32_t value);
  static Arg Bool(bool value);
  static Arg Float(float value);
  static Arg Text(const std::wstring& value);
  Arg(const Arg& other);
  Arg& operator=(const Arg&) = delete;
  ~Arg();
  const VARIANT& variant() const { return v_; }

 private:
  Arg();
  VARIANT v_;
};

class DispidCache {
 public:
  // The DISPIDs of `member` followed by those of its named arguments on `object`.
  const std::vector<DISPID>& Ids(IDispatch* object, const std::wstring& member,
                                 const std::vector<std::wstring>& namedArgs = {});

 private:
  std::map<std::wstring, std::vector<DISPID>> ids_;
};

// A kind of host object and its DISPID cache; every call goes through it.
class ObjectKind {
 public:
  explicit ObjectKind(std::wstring name) : name_(std::move(name)) {}

  ComPtr<IDispatch> Get(IDispatch* object, const std::wstring& property);
  std::wstring GetString(IDispatch* object, const std::wstring& property);
  bool GetBool(IDispatch* object, const std::wstring& property);
  void Put(IDispatch* object, const std::wstring& property, const Arg& value);
  // A method with positional arguments; its result, if any, is dropped.
  void Call(IDispatch* object, const std::wstring& method, std::initializer_list<Arg> args = {});
  // A method with named arguments only, returning an object.
  ComPtr<IDispatch> CallNamed(IDispatch* object, const std::wstring& method,
                              const std::vector<std::pair<std::wstring, Arg>>& namedArgs);
  // A method or indexed property with positional arguments, returning an object.
  ComPtr<IDispatch> CallForObject(IDispatch* object, const std::wstring& method,
                                  std::initializer_list<Arg> args);

 private:
  void Invoke(IDispatch* object, const std::wstring& member, DISPID id, WORD flags, DISPPARAMS& params,
              VARIANT* result);
  std::string Where(const std::wstring& member) const;

  std::wstring name_;
  DispidCache cache_;
};

}  // namespace pelvaron::addin
