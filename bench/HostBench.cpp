// The host's own costs: registry writes through to its file, reading a large registry file, AutoLISP
// evaluation, and loading and unloading the real module.
#include <benchmark/benchmark.h>
#include <qvregistry.h>
#include <qvwide.h>
#include <unistd.h>
#include <winreg.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "acadsim/CommandLine.h"
#include "acadsim/CommandProcessor.h"
#include "acadsim/Documents.h"
#include "acadsim/Lisp.h"
#include "rxdlinkr.h"

namespace {

// A registry file of its own for one benchmark, removed afterwards.
class ScratchRegistry {
 public:
  explicit ScratchRegistry(const char* name)
      : m_folder(std::filesystem::temp_directory_path() /
                 (std::string("qv-host-bench-") + name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
  }
  ~ScratchRegistry() {
    win32sim::ResetRegistry();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }
  std::string file() const { return (m_folder / "registry.reg").string(); }
  bool open() {
    std::vector<std::string> problems;
    win32sim::ResetRegistry();
    return win32sim::OpenRegistryFile(file(), problems) && problems.empty();
  }

 private:
  std::filesystem::path m_folder;
};

HKEY CreateKey(const char16_t* path) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

void SetDWord(HKEY key, const std::u16string& name, DWORD value) {
  RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// One RegSetValueExW in a registry of state.range(0) values: each change rewrites and replaces the file.
void BM_RegistryWriteThrough(benchmark::State& state) {
  ScratchRegistry registry("write");
  if (!registry.open()) return state.SkipWithError("the registry file cannot be opened");
  HKEY key = CreateKey(u"Software\\Bench");
  for (int i = 0; i < state.range(0); ++i) SetDWord(key, u"v" + Utf8ToWide(std::to_string(i)), i);
  DWORD value = 0;
  for (auto _ : state) SetDWord(key, u"v0", ++value);
  RegCloseKey(key);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RegistryWriteThrough)->Arg(20)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Reading a registry file of 10,000 values in 100 keys at start-up.
void BM_RegistryFileLoad(benchmark::State& state) {
  ScratchRegistry registry("load");
  if (!registry.open()) return state.SkipWithError("the registry file cannot be opened");
  for (int k = 0; k < 100; ++k) {
    HKEY key = CreateKey((u"Software\\Bench\\Key" + Utf8ToWide(std::to_string(k))).c_str());
    for (int i = 0; i < 100; ++i) SetDWord(key, u"value" + Utf8ToWide(std::to_string(i)), i);
    RegCloseKey(key);
  }
  win32sim::CloseRegistryFile();
  for (auto _ : state) {
    if (!registry.open()) return state.SkipWithError("the registry file does not load again");
    win32sim::CloseRegistryFile();
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_RegistryFileLoad)->Unit(benchmark::kMillisecond);

// A counting loop of 100,000 rounds: each round a comparison, a call and an assignment.
void BM_LispLoop(benchmark::State& state) {
  acadsim::LispFunctionTable documentFunctions;
  acadsim::lisp::Interpreter lisp(&documentFunctions);
  for (auto _ : state) {
    const auto result = lisp.evaluate(u"(setq i 0) (while (< i 100000) (setq i (1+ i)))");
    if (!result.ok) return state.SkipWithError("the loop fails");
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_LispLoop)->Unit(benchmark::kMillisecond);

// A script whose defun runs over 3,000 lines (124 KB): the command line reads it word by word.
void BM_LongLispInputInAScript(benchmark::State& state) {
  std::u16string script = u"(defun big ()\n";
  for (int i = 0; i < 3000; ++i) {
    const std::u16string n = Utf8ToWide(std::to_string(i));
    script += u"  (setq v" + n + u" (+ " + n + u" 1 2 3 4 5 6 7 8 9))\n";
  }
  script += u")\n";
  acadsim::LispFunctionTable documentFunctions;
  acadsim::lisp::Interpreter lisp(&documentFunctions);
  acadsim::CommandLineHooks hooks;
  hooks.evaluateLisp = [&](std::u16string_view source) {
    const auto result = lisp.evaluate(source);
    return acadsim::LispOutcome{result.ok, result.printed, result.error, result.answer};
  };
  hooks.startLispInput = [] {
    return [scanner = std::make_shared<acadsim::lisp::InputScanner>()](std::u16string_view piece) {
      return scanner->feed(piece) != acadsim::lisp::InputState::NeedMore;
    };
  };
  acadsim::ScopedCommandLineSink quiet{[](std::u16string_view) {}};
  for (auto _ : state) {
    acadsim::StringInputSource input(script);
    acadsim::CommandProcessor(hooks).run(input);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(script.size()));
}
BENCHMARK(BM_LongLispInputInAScript)->Unit(benchmark::kMillisecond);

// arxload and arxunload of quillview.arx with one drawing open: banner, settings, registration and back.
void BM_ModuleLoadAndUnload(benchmark::State& state) {
  ScratchRegistry registry("module");
  if (!registry.open()) return state.SkipWithError("the registry file cannot be opened");
  acadsim::ScopedCommandLineSink quiet{[](std::u16string_view) {}};
  AcApDocument* doc = acadsim::NewDocument();
  const std::u16string module = u"" QV_BIN_DIR "/quillview.arx";
  for (auto _ : state) {
    if (!acrxDynamicLinker->loadModule(module.c_str(), false)) return state.SkipWithError("the module does not load");
    acrxDynamicLinker->unloadModule(module.c_str(), false);
  }
  acadsim::CloseDocument(doc);
}
BENCHMARK(BM_ModuleLoadAndUnload)->Unit(benchmark::kMillisecond);

}  // namespace
