// Feeds arbitrary text to the AutoLISP reader and the command line's completeness test; whatever reads must
// print and read back to the same printed form.
#include <qvwide.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "../platform/acad/ed/lisp/LispError.h"
#include "../platform/acad/ed/lisp/LispPrinter.h"
#include "../platform/acad/ed/lisp/LispReader.h"
#include "acadsim/Lisp.h"

namespace {

using acadsim::lisp::LispError;
using acadsim::lisp::Prin1Text;
using acadsim::lisp::Reader;
using acadsim::lisp::SymbolTable;
using acadsim::lisp::Value;

std::u16string Reprinted(SymbolTable& symbols, const std::u16string& printed) {
  Reader reader(symbols, printed);
  std::optional<Value> again = reader.next();
  if (!again || reader.next()) std::abort();
  return Prin1Text(*again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  acadsim::lisp::inputState(text);
  SymbolTable symbols;
  Reader reader(symbols, text);
  try {
    while (std::optional<Value> form = reader.next()) {
      const std::u16string printed = Prin1Text(*form);
      if (Reprinted(symbols, printed) != printed) std::abort();
    }
  } catch (const LispError&) {
  }
  return 0;
}
