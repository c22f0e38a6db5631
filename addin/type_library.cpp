#include "addin/type_library.hpp"

#include "addin/com_error.hpp"
#include "addin/library_path.hpp"

namespace pelvaron::addin {

ComPtr<ITypeLib> AddInTypeLib() {
  static const ComPtr<ITypeLib> lib = [] {
    ComPtr<ITypeLib> loaded;
    CheckHr(LoadTypeLibEx(LibraryPath().c_str(), REGKIND_NONE, loaded.put()),
            "loading the add-in's type library");
    return loaded;
  }();
  return lib;
}

ComPtr<ITypeInfo> ConnectTypeInfo() {
  static const ComPtr<ITypeInfo> info = [] {
    ComPtr<ITypeInfo> found;
    CheckHr(AddInTypeLib()->GetTypeInfoOfGuid(IID__Connect, found.put()),
            "finding _Connect in the type library");
    return found;
  }();
  return info;
}

}  // namespace pelvaron::addin
