#include "SelectionFilter.h"

#include <acdb.h>
#include <acedads.h>
#include <acutads.h>
#include <adscodes.h>
#include <dbmain.h>

#include <cmath>
#include <string>
#include <vector>

#include "../../ut/ResultBufferTypes.h"

namespace acadsim::selection {

using ut::ValueKind;

namespace {

char16_t fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c > 0x7f; }

// One alternative (no top-level commas) against the whole text.
bool matchOne(std::u16string_view t, std::u16string_view p) {
  if (p.empty()) return t.empty();
  char16_t c = p[0];
  if (c == u'*') {
    for (size_t i = 0; i <= t.size(); ++i)
      if (matchOne(t.substr(i), p.substr(1))) return true;
    return false;
  }
  if (t.empty()) return false;
  char16_t x = t[0];
  switch (c) {
    case u'?': return matchOne(t.substr(1), p.substr(1));
    case u'#': return isDigit(x) && matchOne(t.substr(1), p.substr(1));
    case u'@': return isLetter(x) && matchOne(t.substr(1), p.substr(1));
    case u'.': return !isDigit(x) && !isLetter(x) && matchOne(t.substr(1), p.substr(1));
    case u'`':
      return p.size() > 1 && fold(p[1]) == fold(x) && matchOne(t.substr(1), p.substr(2));
    case u'[': {
      size_t i = 1;
      bool negate = i < p.size() && p[i] == u'~';
      if (negate) ++i;
      bool found = false;
      size_t start = i;
      // A ] right after [ or [~ belongs to the class.
      while (i < p.size() && (p[i] != u']' || i == start)) {
        if (i + 2 < p.size() && p[i + 1] == u'-' && p[i + 2] != u']') {
          if (fold(x) >= fold(p[i]) && fold(x) <= fold(p[i + 2])) found = true;
          i += 3;
        } else {
          if (fold(x) == fold(p[i])) found = true;
          ++i;
        }
      }
      if (i >= p.size()) return false;  // no closing ]
      return found != negate && matchOne(t.substr(1), p.substr(i + 1));
    }
    default: return fold(c) == fold(x) && matchOne(t.substr(1), p.substr(1));
  }
}

}  // namespace

bool wildcardMatch(std::u16string_view text, std::u16string_view pattern) {
  size_t start = 0;
  for (size_t i = 0; i <= pattern.size(); ++i) {
    bool quoted = i > 0 && pattern[i - 1] == u'`';
    if (i < pattern.size() && (pattern[i] != u',' || quoted)) continue;
    std::u16string_view alternative = pattern.substr(start, i - start);
    bool negate = !alternative.empty() && alternative[0] == u'~';
    if (negate) alternative.remove_prefix(1);
    if (matchOne(text, alternative) != negate) return true;
    start = i + 1;
  }
  return false;
}

struct SelectionFilter::Node {
  enum class Kind { And, Or, Xor, Not, Test } kind = Kind::And;
  std::vector<std::unique_ptr<Node>> children;
  int code = 0;
  std::u16string op = u"=";
  ValueKind valueKind = ValueKind::None;
  std::u16string text;
  double number = 0;
  double point[3] = {0, 0, 0};
};

SelectionFilter::SelectionFilter() = default;
SelectionFilter::~SelectionFilter() = default;

namespace {

using Node = SelectionFilter::Node;

bool isRelational(std::u16string_view op) {
  for (std::u16string_view known : {u"*", u"=", u"!=", u"/=", u"<>", u"<", u"<=", u">", u">="})
    if (op == known) return true;
  return false;
}

bool compare(std::u16string_view op, double a, double b) {
  if (op == u"*") return true;
  if (op == u"=") return a == b;
  if (op == u"!=" || op == u"/=" || op == u"<>") return a != b;
  if (op == u"<") return a < b;
  if (op == u"<=") return a <= b;
  if (op == u">") return a > b;
  return a >= b;
}

double numberOf(const resbuf& rb, ValueKind kind) {
  switch (kind) {
    case ValueKind::Real: return rb.resval.rreal;
    case ValueKind::Short: return rb.resval.rint;
    case ValueKind::Long: return rb.resval.rlong;
    case ValueKind::Int64: return static_cast<double>(rb.resval.mnInt64);
    default: return NAN;
  }
}

bool testGroup(const Node& test, const resbuf& rb) {
  if (test.valueKind == ValueKind::String) {
    const std::u16string_view value = rb.resval.rstring ? rb.resval.rstring : u"";
    bool equal = wildcardMatch(value, test.text);
    if (test.op == u"*") return true;
    return test.op == u"=" ? equal : !equal;
  }
  if (test.valueKind == ValueKind::Point) {
    bool equal = true;
    for (int i = 0; i < 3; ++i) equal = equal && compare(test.op == u"*" ? u"*" : u"=", rb.resval.rpoint[i], test.point[i]);
    return test.op == u"=" || test.op == u"*" ? equal : !equal;
  }
  return compare(test.op, numberOf(rb, test.valueKind), test.number);
}

// Groups entget leaves out when they hold their default.
bool defaultGroup(int code, resbuf& rb) {
  switch (code) {
    case 62: rb.restype = 62; rb.resval.rint = 256; return true;
    case 67: rb.restype = 67; rb.resval.rint = 0; return true;
    case 6: rb.restype = 6; rb.resval.rstring = const_cast<ACHAR*>(u"BYLAYER"); return true;
    default: return false;
  }
}

bool evaluate(const Node& node, const resbuf* data) {
  switch (node.kind) {
    case Node::Kind::Test: {
      bool seen = false;
      for (const resbuf* rb = data; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype != node.code) continue;
        seen = true;
        if (testGroup(node, *rb)) return true;
      }
      resbuf fallback{};
      return !seen && defaultGroup(node.code, fallback) && testGroup(node, fallback);
    }
    case Node::Kind::And:
      for (const auto& child : node.children)
        if (!evaluate(*child, data)) return false;
      return true;
    case Node::Kind::Or:
      for (const auto& child : node.children)
        if (evaluate(*child, data)) return true;
      return false;
    case Node::Kind::Xor: return node.children.size() == 2 && evaluate(*node.children[0], data) != evaluate(*node.children[1], data);
    case Node::Kind::Not: return node.children.size() == 1 && !evaluate(*node.children[0], data);
  }
  return false;
}

}  // namespace

bool SelectionFilter::parse(const resbuf* filter) {
  m_root.reset();
  if (filter == nullptr) return true;
  auto root = std::make_unique<Node>();
  std::vector<Node*> open{root.get()};
  std::vector<std::u16string> closers{u""};
  std::u16string pendingOp = u"=";
  for (const resbuf* rb = filter; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == -4) {
      std::u16string op = rb->resval.rstring ? rb->resval.rstring : u"";
      for (char16_t& c : op) c = fold(c);
      auto group = [&](Node::Kind kind, const char16_t* closer) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        Node* raw = node.get();
        open.back()->children.push_back(std::move(node));
        open.push_back(raw);
        closers.emplace_back(closer);
      };
      if (op == u"<AND") group(Node::Kind::And, u"AND>");
      else if (op == u"<OR") group(Node::Kind::Or, u"OR>");
      else if (op == u"<XOR") group(Node::Kind::Xor, u"XOR>");
      else if (op == u"<NOT") group(Node::Kind::Not, u"NOT>");
      else if (op == u"AND>" || op == u"OR>" || op == u"XOR>" || op == u"NOT>") {
        if (open.size() == 1 || closers.back() != op) return false;
        Node* closing = open.back();
        if ((closing->kind == Node::Kind::Not && closing->children.size() != 1) ||
            (closing->kind == Node::Kind::Xor && closing->children.size() != 2) || closing->children.empty())
          return false;
        open.pop_back();
        closers.pop_back();
      } else if (isRelational(op)) {
        pendingOp = op;
      } else {
        return false;
      }
      continue;
    }
    auto test = std::make_unique<Node>();
    test->kind = Node::Kind::Test;
    test->code = rb->restype == RTDXF0 ? 0 : rb->restype;
    test->op = pendingOp;
    pendingOp = u"=";
    test->valueKind = ut::KindOfType(test->code);
    switch (test->valueKind) {
      case ValueKind::String: test->text = rb->resval.rstring ? rb->resval.rstring : u""; break;
      case ValueKind::Point:
        for (int i = 0; i < 3; ++i) test->point[i] = rb->resval.rpoint[i];
        break;
      case ValueKind::Real:
      case ValueKind::Short:
      case ValueKind::Long:
      case ValueKind::Int64: test->number = numberOf(*rb, test->valueKind); break;
      default: return false;
    }
    open.back()->children.push_back(std::move(test));
  }
  if (open.size() != 1) return false;
  m_root = std::move(root);
  return true;
}

bool SelectionFilter::matches(AcDbObjectId entity) const {
  if (!m_root) return true;
  ads_name name;
  if (acdbGetAdsName(name, entity) != Acad::eOk) return false;
  resbuf* data = acdbEntGet(name);
  bool ok = data != nullptr && evaluate(*m_root, data);
  acutRelRb(data);
  return ok;
}

}  // namespace acadsim::selection
