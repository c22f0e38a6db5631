#pragma once
// The data files of one fuzz input, held in memory so that an input costs no file writes.

#include <memory>
#include <string>

#include "data/in_memory_files.hpp"
#include "module/state.hpp"

namespace pelvaron::fuzz {

inline const char* const kAppFolder = "/fuzz";

// A state whose readers see exactly the files put into `files`.
inline ModuleState StateOver(std::shared_ptr<InMemoryFiles> files) {
  ModuleState state;
  state.AppPath = kAppFolder;
  state.Files = std::move(files);
  return state;
}

inline void Put(InMemoryFiles& files, const std::string& name, std::string bytes) {
  files.Put(std::string(kAppFolder) + "/DataQuran/" + name, std::move(bytes));
}

}  // namespace pelvaron::fuzz
