#include "rc_parser.h"

#include <fstream>
#include <iterator>

#include "icon_group.h"
#include "qvwide.h"

namespace fs = std::filesystem;

namespace {

std::u16string upper(const std::string& ascii) {
  std::u16string out;
  for (char c : ascii) out.push_back(static_cast<char16_t>((c >= 'a' && c <= 'z') ? c - 32 : c));
  return out;
}

std::string fileOf(const std::string& where) { return where.substr(0, where.rfind(':')); }

}  // namespace

bool RcParser::isKeyword(const RcToken& token, const char* keyword) const {
  return token.kind == RcToken::Identifier && token.text == keyword;
}

void RcParser::expectPunct(const char* punct) {
  RcToken token = lexer_.next();
  if (token.kind != RcToken::Punct || token.text != punct)
    throw RcError(token.where, std::string("expected '") + punct + "'");
}

void RcParser::expectBegin() {
  RcToken token = lexer_.next();
  if (!isKeyword(token, "BEGIN") && !(token.kind == RcToken::Punct && token.text == "{"))
    throw RcError(token.where, "expected BEGIN");
}

bool RcParser::atEnd() {
  const RcToken& token = lexer_.peek();
  if (token.kind == RcToken::End) throw RcError(token.where, "missing END");
  if (isKeyword(token, "END") || (token.kind == RcToken::Punct && token.text == "}")) {
    lexer_.next();
    return true;
  }
  return false;
}

// The 16-bit memory flags are accepted and ignored, as the Win32 resource compiler does.
void RcParser::skipMemoryFlags() {
  static const char* const flags[] = {"PRELOAD", "LOADONCALL", "MOVEABLE", "FIXED", "PURE", "IMPURE", "DISCARDABLE", "SHARED", "NONSHARED"};
  for (;;) {
    bool skipped = false;
    for (const char* flag : flags)
      if (isKeyword(lexer_.peek(), flag)) {
        lexer_.next();
        skipped = true;
      }
    if (!skipped) return;
  }
}

// Operators apply left to right without precedence, as in the resource compiler.
uint32_t RcParser::parseExpression() {
  uint32_t value = parseTerm();
  for (;;) {
    const RcToken& token = lexer_.peek();
    if (token.kind != RcToken::Punct) return value;
    if (token.text == "|") { lexer_.next(); value |= parseTerm(); }
    else if (token.text == "+") { lexer_.next(); value += parseTerm(); }
    else if (token.text == "-") { lexer_.next(); value -= parseTerm(); }
    else if (token.text == "&") { lexer_.next(); value &= parseTerm(); }
    else return value;
  }
}

uint32_t RcParser::parseTerm() {
  RcToken token = lexer_.next();
  if (token.kind == RcToken::Number) return token.number;
  if (token.kind == RcToken::Punct && token.text == "~") return ~parseTerm();
  if (token.kind == RcToken::Punct && token.text == "-") return 0u - parseTerm();
  if (token.kind == RcToken::Punct && token.text == "(") {
    uint32_t value = parseExpression();
    expectPunct(")");
    return value;
  }
  if (token.kind == RcToken::Identifier) throw RcError(token.where, "undefined name '" + token.text + "'");
  throw RcError(token.where, "expected a number");
}

ResId RcParser::parseResId() {
  const RcToken& token = lexer_.peek();
  ResId id;
  if (token.kind == RcToken::Identifier) {
    id.name = upper(lexer_.next().text);
  } else if (token.kind == RcToken::String) {
    id.name = lexer_.next().str;
    for (char16_t& c : id.name) c = towupper(c);
  } else {
    id.id = parseExpression();
    if (id.id > 0xffff) throw error("resource id out of range 0-65535");
  }
  return id;
}

void RcParser::parseLanguage(uint16_t& language) {
  uint32_t primary = parseExpression();
  expectPunct(",");
  uint32_t sub = parseExpression();
  if (primary > 0x3ff || sub > 0x3f) throw error("language out of range");
  language = static_cast<uint16_t>((sub << 10) | primary);
}

std::vector<Resource> RcParser::parse() {
  for (;;) {
    const RcToken& token = lexer_.peek();
    if (token.kind == RcToken::End) break;
    if (isKeyword(token, "LANGUAGE")) {
      lexer_.next();
      parseLanguage(language_);
    } else if (isKeyword(token, "STRINGTABLE")) {
      lexer_.next();
      parseStringTable();
    } else {
      parseResource();
    }
  }
  for (Resource& block : strings_.blocks()) addResource(std::move(block));
  return std::move(resources_);
}

void RcParser::parseStringTable() {
  uint16_t language = language_;
  skipMemoryFlags();
  for (;;) {
    const RcToken& token = lexer_.peek();
    if (isKeyword(token, "LANGUAGE")) {
      lexer_.next();
      parseLanguage(language);
    } else if (isKeyword(token, "CHARACTERISTICS") || isKeyword(token, "VERSION")) {
      lexer_.next();
      parseExpression();
    } else {
      break;
    }
  }
  expectBegin();
  while (!atEnd()) {
    std::string where = lexer_.peek().where;
    uint32_t id = parseExpression();
    if (lexer_.peek().kind == RcToken::Punct && lexer_.peek().text == ",") lexer_.next();
    RcToken text = lexer_.next();
    if (text.kind != RcToken::String) throw RcError(text.where, "expected a string");
    strings_.add(language, id, text.str, where);
  }
}

void RcParser::parseResource() {
  Resource resource;
  resource.where = lexer_.peek().where;
  resource.name = parseResId();
  resource.language = language_;
  RcToken typeToken = lexer_.next();
  static const char* const unsupported[] = {"DIALOG", "DIALOGEX", "MENU", "MENUEX", "ACCELERATORS",
                                            "FONT", "MESSAGETABLE", "TEXTINCLUDE", "TOOLBAR", "DLGINIT"};
  for (const char* keyword : unsupported)
    if (isKeyword(typeToken, keyword)) throw RcError(typeToken.where, typeToken.text + " resources are not supported");
  if (isKeyword(typeToken, "ICON") || isKeyword(typeToken, "CURSOR")) {
    parseIconGroup(std::move(resource), isKeyword(typeToken, "CURSOR"));
    return;
  }
  if (isKeyword(typeToken, "VERSIONINFO")) {
    resource.type.id = kRtVersion;
    parseVersionInfo(resource);
  } else {
    if (isKeyword(typeToken, "BITMAP")) resource.type.id = kRtBitmap;
    else if (isKeyword(typeToken, "RCDATA")) resource.type.id = kRtRcdata;
    else if (isKeyword(typeToken, "HTML")) resource.type.id = kRtHtml;
    else if (typeToken.kind == RcToken::Identifier) resource.type.name = upper(typeToken.text);
    else if (typeToken.kind == RcToken::String) resource.type.name = typeToken.str;
    else if (typeToken.kind == RcToken::Number && typeToken.number <= 0xffff) resource.type.id = typeToken.number;
    else throw RcError(typeToken.where, "expected a resource type");
    for (char16_t& c : resource.type.name) c = towupper(c);
    skipMemoryFlags();
    resource.data = readDataFile(resource.type.name.empty() ? resource.type.id : 0);
  }
  addResource(std::move(resource));
}

std::vector<uint8_t> RcParser::readDataFile(uint32_t type) {
  RcToken file = lexer_.next();
  if (file.kind != RcToken::String) throw RcError(file.where, "expected a file name (inline data is not supported)");
  fs::path path = fs::path(WideToUtf8(file.str));
  if (path.is_relative()) path = fs::path(fileOf(file.where)).parent_path() / path;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw RcError(file.where, "cannot open '" + path.string() + "'");
  dataFiles_.push_back(path);
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (type == kRtBitmap) {
    // A bitmap resource is the file without its 14-byte BITMAPFILEHEADER.
    if (data.size() < 14 + 12 || data[0] != 'B' || data[1] != 'M')
      throw RcError(file.where, "'" + path.string() + "' is not a BMP file");
    data.erase(data.begin(), data.begin() + 14);
  }
  return data;
}

// Each image becomes its own RT_ICON (RT_CURSOR) resource, numbered on from the highest of that type so far,
// and the group resource under the script's name lists them.
void RcParser::parseIconGroup(Resource group, bool cursor) {
  skipMemoryFlags();
  std::string fileWhere = lexer_.peek().where;
  std::vector<uint8_t> file = readDataFile(0);
  const uint32_t imageType = cursor ? kRtCursor : kRtIcon;
  uint32_t firstId = 1;
  for (const Resource& other : resources_)
    if (other.type.id == imageType && other.type.name.empty() && other.name.name.empty() && other.name.id >= firstId)
      firstId = other.name.id + 1;
  IconGroupResources split;
  try {
    split = SplitIconFile(file, cursor, firstId);
  } catch (const std::invalid_argument& e) {
    throw RcError(fileWhere, "'" + dataFiles_.back().string() + "' " + e.what());
  }
  for (size_t i = 0; i < split.images.size(); ++i) {
    Resource image;
    image.type.id = imageType;
    image.name.id = firstId + static_cast<uint32_t>(i);
    image.language = group.language;
    image.data = std::move(split.images[i]);
    image.where = group.where;
    addResource(std::move(image));
  }
  group.type.id = cursor ? kRtGroupCursor : kRtGroupIcon;
  group.data = std::move(split.group);
  addResource(std::move(group));
}

void RcParser::parseVersionInfo(Resource& resource) {
  VersionInfo info;
  auto versionPair = [&](uint32_t& ms, uint32_t& ls) {
    uint32_t parts[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
      parts[i] = parseExpression();
      if (parts[i] > 0xffff) throw error("version number part out of range 0-65535");
      if (i == 3 || lexer_.peek().kind != RcToken::Punct || lexer_.peek().text != ",") break;
      lexer_.next();
    }
    ms = (parts[0] << 16) | parts[1];
    ls = (parts[2] << 16) | parts[3];
  };
  for (;;) {
    const RcToken& token = lexer_.peek();
    if (isKeyword(token, "FILEVERSION")) { lexer_.next(); versionPair(info.fileVersionMS, info.fileVersionLS); }
    else if (isKeyword(token, "PRODUCTVERSION")) { lexer_.next(); versionPair(info.productVersionMS, info.productVersionLS); }
    else if (isKeyword(token, "FILEFLAGSMASK")) { lexer_.next(); info.fileFlagsMask = parseExpression(); }
    else if (isKeyword(token, "FILEFLAGS")) { lexer_.next(); info.fileFlags = parseExpression(); }
    else if (isKeyword(token, "FILEOS")) { lexer_.next(); info.fileOS = parseExpression(); }
    else if (isKeyword(token, "FILETYPE")) { lexer_.next(); info.fileType = parseExpression(); }
    else if (isKeyword(token, "FILESUBTYPE")) { lexer_.next(); info.fileSubtype = parseExpression(); }
    else break;
  }
  expectBegin();
  info.children = parseVersionBlockBody();
  try {
    resource.data = BuildVersionBlock(info);
  } catch (const std::length_error& e) {
    throw RcError(resource.where, e.what());
  }
}

// The body of a BEGIN ... END: BLOCK "key" BEGIN ... END, VALUE "key", "text" | numbers.
std::vector<VersionNode> RcParser::parseVersionBlockBody() {
  std::vector<VersionNode> nodes;
  while (!atEnd()) {
    RcToken keyword = lexer_.next();
    RcToken key = lexer_.next();
    if (key.kind != RcToken::String) throw RcError(key.where, "expected a quoted key");
    VersionNode node;
    node.key = key.str;
    if (isKeyword(keyword, "BLOCK")) {
      node.isBlock = true;
      expectBegin();
      node.children = parseVersionBlockBody();
    } else if (isKeyword(keyword, "VALUE")) {
      bool first = true;
      while (lexer_.peek().kind == RcToken::Punct && lexer_.peek().text == ",") {
        lexer_.next();
        const RcToken& item = lexer_.peek();
        if (item.kind == RcToken::String) {
          if (!first && !node.isText) throw RcError(item.where, "a VALUE mixes text and numbers");
          node.isText = true;
          node.text += lexer_.next().str;
        } else {
          if (node.isText) throw RcError(item.where, "a VALUE mixes text and numbers");
          bool isLong = item.isLong;
          uint32_t number = parseExpression();
          for (int i = 0; i < (isLong ? 4 : 2); ++i) node.binary.push_back(static_cast<uint8_t>(number >> (8 * i)));
        }
        first = false;
      }
      if (first) throw RcError(key.where, "VALUE without a value");
    } else {
      throw RcError(keyword.where, "expected BLOCK or VALUE");
    }
    nodes.push_back(std::move(node));
  }
  return nodes;
}

void RcParser::addResource(Resource resource) {
  for (const Resource& other : resources_)
    if (other.type == resource.type && other.name == resource.name && other.language == resource.language)
      throw RcError(resource.where, "duplicate resource (first at " + other.where + ")");
  resources_.push_back(std::move(resource));
}
