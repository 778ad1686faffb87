// A module loaded as the host loads ARX modules, unloaded again when the object goes.
#pragma once
#include <string>

namespace acadsim {

class LoadedModule {
 public:
  explicit LoadedModule(std::u16string path);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  // The exported function of that name, or null when the module did not load or lacks it.
  void* Symbol(const char16_t* name) const;
  const std::u16string& Path() const { return m_path; }

 private:
  std::u16string m_path;
  bool m_loaded = false;
};

// quillview.arx beside the running acadsim.
std::u16string DefaultModulePath();

}  // namespace acadsim
