// Parses the supported subset of a Windows resource script into resources:
// LANGUAGE, STRINGTABLE, VERSIONINFO, BITMAP, ICON, CURSOR, RCDATA and user-defined types from files.
#pragma once
#include <filesystem>
#include <vector>

#include "rc_lexer.h"
#include "rc_model.h"
#include "string_table.h"
#include "version_block.h"

class RcParser {
 public:
  explicit RcParser(RcLexer& lexer) : lexer_(lexer) {}
  std::vector<Resource> parse();
  // Files that file-based resources read, for the build's dependency list.
  const std::vector<std::filesystem::path>& dataFiles() const { return dataFiles_; }

 private:
  void parseLanguage(uint16_t& language);
  void parseStringTable();
  void parseResource();
  void parseVersionInfo(Resource& resource);
  void parseIconGroup(Resource group, bool cursor);
  std::vector<VersionNode> parseVersionBlockBody();
  std::vector<uint8_t> readDataFile(uint32_t type);
  ResId parseResId();
  uint32_t parseExpression();
  uint32_t parseTerm();
  bool isKeyword(const RcToken& token, const char* keyword) const;
  void expectBegin();
  bool atEnd();
  void expectPunct(const char* punct);
  void skipMemoryFlags();
  void addResource(Resource resource);
  RcError error(const std::string& what) { return RcError(lexer_.peek().where, what); }

  RcLexer& lexer_;
  uint16_t language_ = 0;
  StringTableBuilder strings_;
  std::vector<Resource> resources_;
  std::vector<std::filesystem::path> dataFiles_;
};
