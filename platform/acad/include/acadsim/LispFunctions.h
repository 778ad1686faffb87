// AutoLISP functions that live outside the interpreter: the host's own (arxload, vl-registry-read...) and
// those that modules define with acedDefun (host-internal, not an ObjectARX name).
#pragma once
#include <adscodes.h>
#include <adsdef.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace acadsim {

// What an outside function gives back to the interpreter.
struct LispCallResult {
  // RTNORM: value is the result (null is nil), the interpreter takes it over and frees it with acutRelRb.
  // RTERROR: error is the text after "; error: " (for example "bad argument type: stringp 1").
  int status = RTNORM;
  resbuf* value = nullptr;
  std::u16string error;
};

// args: the evaluated arguments as a result-buffer list (lists as RTLB...RTLE, nil as RTNIL, T as RTT), or
// null for none; it stays the interpreter's.
using LispFunction = std::function<LispCallResult(const resbuf* args)>;

// Names compare as AutoLISP symbols do, without regard to case.
class LispFunctionTable {
 public:
  void define(std::u16string_view name, LispFunction fn) { m_functions[Key(name)] = std::move(fn); }
  bool undefine(std::u16string_view name) { return m_functions.erase(Key(name)) > 0; }
  const LispFunction* find(std::u16string_view name) const {
    auto it = m_functions.find(Key(name));
    return it == m_functions.end() ? nullptr : &it->second;
  }
  bool empty() const { return m_functions.empty(); }

 private:
  static std::u16string Key(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key)
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return key;
  }
  std::map<std::u16string, LispFunction> m_functions;
};

// The host's own functions, the same in every document.
LispFunctionTable& HostLispFunctions();

}  // namespace acadsim
