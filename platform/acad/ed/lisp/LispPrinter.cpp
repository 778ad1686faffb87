#include "LispPrinter.h"

#include <qvwide.h>

#include <charconv>
#include <cmath>
#include <cstdio>

#include "LispFunction.h"

namespace acadsim::lisp {
namespace {

// Prin1 escapes strings; Princ writes them raw; Answer writes them raw and reals to their full precision.
enum class Style { Prin1, Princ, Answer };

// The shortest text that reads back as the same double, still with a decimal point or exponent.
std::u16string ExactRealText(double value) {
  if (!std::isfinite(value)) return RealText(value);
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, error == std::errc() ? end : buffer);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return Utf8ToWide(text);
}

std::u16string Hex(uint64_t value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llx", width, static_cast<unsigned long long>(value));
  return Utf8ToWide(buffer);
}

void AppendEscaped(std::u16string& out, const std::u16string& text) {
  out += u'"';
  for (char16_t c : text) {
    switch (c) {
      case u'\\': out += u"\\\\"; break;
      case u'"': out += u"\\\""; break;
      case u'\n': out += u"\\n"; break;
      case u'\t': out += u"\\t"; break;
      case u'\r': out += u"\\r"; break;
      case 27: out += u"\\e"; break;
      default:
        if (c < 32) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\%03o", static_cast<unsigned>(c));
          out += Utf8ToWide(buffer);
        } else {
          out += c;
        }
    }
  }
  out += u'"';
}

const char16_t* FunctionTag(Function::Kind kind) {
  switch (kind) {
    case Function::Kind::User: return u"USUBR";
    case Function::Kind::Outside: return u"EXRXSUBR";
    default: return u"SUBR";
  }
}

void AppendAtom(std::u16string& out, const Value& v, Style style) {
  if (IsNil(v)) {
    out += u"nil";
  } else if (const int32_t* i = std::get_if<int32_t>(&v)) {
    out += Utf8ToWide(std::to_string(*i));
  } else if (const double* r = std::get_if<double>(&v)) {
    out += style == Style::Answer ? ExactRealText(*r) : RealText(*r);
  } else if (const std::u16string* text = AsString(v)) {
    if (style == Style::Prin1) AppendEscaped(out, *text);
    else out += *text;
  } else if (Symbol* symbol = AsSymbol(v)) {
    out += symbol->name;
  } else if (const Function* fn = AsFunction(v)) {
    out += u"#<" + std::u16string(FunctionTag(fn->kind)) + u" @" + Hex(fn->serial, 16) + u" " +
           (fn->name.empty() ? u"-lambda-" : fn->name) + u">";
  } else if (const Name* name = std::get_if<Name>(&v)) {
    out += (name->selectionSet ? u"<Selection set: " : u"<Entity name: ") + Hex(static_cast<uint64_t>(name->id[0]), 0) +
           u">";
  }
}

// Walks nested lists with its own stack, so no depth of nesting can exhaust the machine's.
std::u16string Print(const Value& v, Style style) {
  std::u16string out;
  std::vector<const Cons*> open;
  const Value* pending = &v;
  for (;;) {
    if (pending != nullptr) {
      if (const Cons* cell = AsCons(*pending)) {
        out += u'(';
        open.push_back(cell);
        pending = &cell->car;
        continue;
      }
      AppendAtom(out, *pending, style);
      pending = nullptr;
    }
    if (open.empty()) return out;
    const Value& rest = open.back()->cdr;
    if (const Cons* next = AsCons(rest)) {
      out += u' ';
      open.back() = next;
      pending = &next->car;
      continue;
    }
    if (!IsNil(rest)) {
      out += u" . ";
      AppendAtom(out, rest, style);
    }
    out += u')';
    open.pop_back();
  }
}

}  // namespace

std::u16string Prin1Text(const Value& v) { return Print(v, Style::Prin1); }
std::u16string PrincText(const Value& v) { return Print(v, Style::Princ); }
std::u16string AnswerText(const Value& v) { return Print(v, Style::Answer); }

std::u16string RealText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? u"-1.#IND" : u"1.#QNAN";
  if (std::isinf(value)) return value < 0 ? u"-1.#INF" : u"1.#INF";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  std::string text = buffer;
  const size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  if (mantissa.find('.') == std::string::npos) mantissa += ".0";
  if (e == std::string::npos) return Utf8ToWide(mantissa);
  const char sign = text[e + 1];
  std::string digits = text.substr(e + 2);
  while (digits.size() < 3) digits.insert(digits.begin(), '0');
  return Utf8ToWide(mantissa + "e" + sign + digits);
}

}  // namespace acadsim::lisp
