#include "LoadedModule.h"

#include <windows.h>

#include "rxdlinkr.h"
#include "rxregsvc.h"

namespace acadsim {

LoadedModule::LoadedModule(std::u16string path) : m_path(std::move(path)) {
  m_loaded = acrxDynamicLinker->loadModule(m_path.c_str(), true);
}

LoadedModule::~LoadedModule() {
  if (m_loaded) acrxDynamicLinker->unloadModule(m_path.c_str());
}

void* LoadedModule::Symbol(const char16_t* name) const {
  if (!m_loaded) return nullptr;
  return acrxDynamicLinker->getSymbolAddress(m_path.c_str(), name);
}

std::u16string DefaultModulePath() {
  WCHAR path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string self(path, n < MAX_PATH ? n : 0);
  return self.substr(0, self.find_last_of(u'/') + 1) + u"quillview.arx";
}

}  // namespace acadsim
