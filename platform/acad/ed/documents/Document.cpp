#include "Document.h"

#include <acedads.h>
#include <qvwide.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace acadsim {
namespace {

bool SameSymbol(std::u16string_view a, std::u16string_view b) {
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) {
           return lower(x) == lower(y);
         });
}

}  // namespace

Document::Document(AcApDocManager* manager, std::unique_ptr<AcDbDatabase> database, std::u16string fileName,
                   bool readOnly)
    : m_manager(manager), m_database(std::move(database)), m_fileName(std::move(fileName)), m_readOnly(readOnly) {
  const size_t slash = m_fileName.find_last_of(u'/');
  m_title = slash == std::u16string::npos ? m_fileName : m_fileName.substr(slash + 1);
}

AcAp::DocLockMode Document::lockMode(bool) const {
  return m_locks.empty() ? AcAp::kNotLocked : m_locks.back().mode;
}

// The host runs one execution context, so every lock held is the caller's own.
AcAp::DocLockMode Document::myLockMode() const { return lockMode(); }

bool Document::isQuiescent() const {
  resbuf value{};
  return acedGetVar(u"CMDACTIVE", &value) == RTNORM && value.restype == RTSHORT && value.resval.rint == 0;
}

std::u16string Document::folder() const {
  const size_t slash = m_fileName.find_last_of(u'/');
  if (slash != std::u16string::npos) return m_fileName.substr(0, slash + 1);
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::u16string() : Utf8ToWide(current.string()) + u"/";
}

std::vector<Document::ModuleFunction>::iterator Document::findModuleFunction(std::u16string_view name) {
  return std::find_if(m_moduleFunctions.begin(), m_moduleFunctions.end(),
                      [&](const ModuleFunction& f) { return SameSymbol(f.name, name); });
}

void Document::defineModuleFunction(std::u16string_view name, void* appId, int funcno, LispFunction fn) {
  auto it = findModuleFunction(name);
  if (it == m_moduleFunctions.end()) m_moduleFunctions.push_back({std::u16string(name), appId, funcno});
  else *it = {std::u16string(name), appId, funcno};
  m_lispFunctions.define(name, std::move(fn));
}

bool Document::undefineModuleFunction(std::u16string_view name, void* appId, int funcno) {
  auto it = findModuleFunction(name);
  if (it == m_moduleFunctions.end() || it->appId != appId || it->funcno != funcno) return false;
  m_lispFunctions.undefine(it->name);
  m_moduleFunctions.erase(it);
  return true;
}

void Document::removeModuleFunctions(void* appId) {
  for (const ModuleFunction& f : m_moduleFunctions) {
    if (f.appId == appId) m_lispFunctions.undefine(f.name);
  }
  std::erase_if(m_moduleFunctions, [&](const ModuleFunction& f) { return f.appId == appId; });
}

}  // namespace acadsim
