// Damaged registry files: each problem reported with its line, the file kept aside, what was good loaded,
// and the file written anew so that the next start is clean.
#include "registry_test_support.h"

namespace {

const char kHeader[] = "Windows Registry Editor Version 5.00\n";

class DamagedRegistryFile : public RegistryTest {
 protected:
  // Opens a file holding text; the file must be usable, and the result is the list of problems.
  std::vector<std::string> OpenWith(const std::string& text) {
    WriteFile(path, text);
    std::vector<std::string> problems;
    EXPECT_TRUE(win32sim::OpenRegistryFile(path, problems));
    return problems;
  }
  // Problem lines as the host prints them, with the path taken out.
  std::vector<std::string> Reasons(const std::vector<std::string>& problems) {
    std::vector<std::string> reasons;
    for (const std::string& problem : problems) {
      EXPECT_EQ(problem.rfind(path + ":", 0), 0u) << problem;
      reasons.push_back(problem.substr(path.size()));
    }
    return reasons;
  }
  std::vector<std::string> ReasonsFor(const std::string& text) {
    std::vector<std::string> reasons = Reasons(OpenWith(text));
    EXPECT_EQ(FileText(path + ".damaged"), text);
    EXPECT_FALSE(reasons.empty());
    if (!reasons.empty()) {
      EXPECT_EQ(reasons.back(), ": damaged; kept as " + path + ".damaged, the registry starts with what could be read");
      reasons.pop_back();
    }
    std::filesystem::remove(path + ".damaged");
    win32sim::ResetRegistry();
    std::vector<std::string> again;
    EXPECT_TRUE(win32sim::OpenRegistryFile(path, again));
    EXPECT_TRUE(again.empty()) << again[0];
    return reasons;
  }
  DWORD DwordAt(const char16_t* key, const char16_t* name) {
    Stored stored = Read(HKEY_CURRENT_USER, key, name);
    if (stored.type != REG_DWORD || stored.data.size() != 4) return 0xDEAD;
    return stored.data[0] | (stored.data[1] << 8) | (stored.data[2] << 16) | (DWORD(stored.data[3]) << 24);
  }

  ScratchFolder folder;
  std::string path = folder.File("registry.reg");
};

using Lines = std::vector<std::string>;

TEST_F(DamagedRegistryFile, AGoodFileHasNoProblemsAndStaysAsItIs) {
  std::string text = std::string(kHeader) + "; written by hand\n\n[HKEY_CURRENT_USER\\Software\\A]\r\n  \"v\"=dword:0000000A\n";
  EXPECT_TRUE(OpenWith(text).empty());
  EXPECT_EQ(FileText(path), text);
  EXPECT_FALSE(std::filesystem::exists(path + ".damaged"));
  EXPECT_EQ(DwordAt(u"Software\\A", u"v"), 10u);
}

TEST_F(DamagedRegistryFile, TruncatedFiles) {
  EXPECT_EQ(ReasonsFor(""), Lines({":1: the file is empty"}));
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=dword:0000"),
            Lines({":3: truncated: the last line has no end of line", ":3: a dword needs exactly 8 hex digits"}));
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\A]\n\"ok\"=dword:00000001\n\"b\"=hex:01,\\\n"),
            Lines({":4: truncated: the value continues past the end of the file"}));
  EXPECT_EQ(DwordAt(u"Software\\A", u"ok"), 1u);
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\A]\n\"s\"=\"unfinished\n"),
            Lines({":3: quoted text without its closing quote"}));
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\A"),
            Lines({":2: truncated: the last line has no end of line", ":2: a [key] line must end with ]"}));
}

TEST_F(DamagedRegistryFile, BadSyntax) {
  EXPECT_EQ(ReasonsFor("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=dword:00000001\n"),
            Lines({":1: not a registry file: the first line must be \"Windows Registry Editor Version 5.00\""}));
  EXPECT_EQ(DwordAt(u"Software\\A", u"v"), 1u);
  EXPECT_EQ(ReasonsFor(std::string(kHeader) +
                       "[HKEY_CURRENT_USER\\Software\\A]\n"
                       "garbage\n"
                       "\"v\" = dword:00000001\n"
                       "\"e\"=\"bad \\n escape\"\n"
                       "\"t\"=\"text\" trailing\n"
                       "\"\"=dword:00000001\n"
                       "\"good\"=dword:00000002\n"),
            Lines({":3: neither a [key] line, a \"name\"=value line nor a ; comment",
                   ":4: = expected after the value name",
                   ":5: bad escape in a quoted text (only \\\\ and \\\" are known)",
                   ":6: text after the closing quote",
                   ":7: empty value name (the default value is written @)"}));
  EXPECT_EQ(DwordAt(u"Software\\A", u"good"), 2u);
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "[-HKEY_CURRENT_USER\\Software\\A]\n[HKEY_CURRENT_USER\\Software\\B]\n\"v\"=-\n"),
            Lines({":2: deleting keys ([-...]) is not supported here", ":4: deleting values (=-) is not supported here"}));
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\A]\n\"bad\"=\"\xC3\x28\"\n"),
            Lines({":3: invalid UTF-8"}));
}

TEST_F(DamagedRegistryFile, BadSectionsSkipTheirValuesOnly) {
  EXPECT_EQ(ReasonsFor(std::string(kHeader) +
                       "[HKEY_USERS\\S-1-5]\n\"lost\"=dword:00000001\n"
                       "[HKEY_CLASSES_ROOT\\CLSID]\n"
                       "[HKEY_CURRENT_USER\\Software\\\\Twice]\n"
                       "[HKEY_CURRENT_USER\\Software\\Good]\n\"kept\"=dword:00000003\n"),
            Lines({":2: unknown root key \"HKEY_USERS\"",
                   ":4: HKEY_CLASSES_ROOT is a view; write its keys under HKEY_CURRENT_USER\\Software\\Classes or "
                   "HKEY_LOCAL_MACHINE\\Software\\Classes",
                   ":5: empty key name in the path"}));
  EXPECT_EQ(DwordAt(u"Software\\Good", u"kept"), 3u);
}

TEST_F(DamagedRegistryFile, WrongTypes) {
  EXPECT_EQ(ReasonsFor(std::string(kHeader) +
                       "[HKEY_CURRENT_USER\\Software\\A]\n"
                       "\"q\"=qword:0000000000000001\n"
                       "\"d\"=dword:1234567890\n"
                       "\"x\"=dword:xyzxyzxy\n"
                       "\"h\"=hex:1,2\n"
                       "\"g\"=hex:zz\n"
                       "\"c\"=hex:01,\n"
                       "\"t\"=hex(zz):01\n"
                       "\"ok\"=hex(4):05,00,00,00\n"),
            Lines({":3: unknown value type \"qword\" (known: \"text\", dword:, hex:, hex(type):)",
                   ":4: a dword needs exactly 8 hex digits", ":5: a dword needs exactly 8 hex digits",
                   ":6: bad hex data: two hex digits per byte, separated by commas",
                   ":7: bad hex data: two hex digits per byte, separated by commas",
                   ":8: bad hex data: two hex digits per byte, separated by commas",
                   ":9: hex(type) needs a type of 1 to 8 hex digits"}));
  EXPECT_EQ(DwordAt(u"Software\\A", u"ok"), 5u);
}

TEST_F(DamagedRegistryFile, AbsurdSizes) {
  std::string deep = "[HKEY_CURRENT_USER";
  for (int level = 0; level < 513; ++level) deep += "\\k";
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + deep + "]\n[HKEY_CURRENT_USER\\" + std::string(256, 'n') + "]\n" +
                       "[HKEY_CURRENT_USER\\Software\\A]\n\"" + std::string(16384, 'v') + "\"=dword:00000001\n" +
                       "\"t\"=hex(123456789):00\n"),
            Lines({":2: key path deeper than 512 levels", ":3: key name longer than 255 characters",
                   ":5: value name longer than 16383 characters", ":6: hex(type) needs a type of 1 to 8 hex digits"}));
  std::string huge = std::string(kHeader) + "; " + std::string(5u << 20, 'x') + "\n";
  EXPECT_EQ(ReasonsFor(huge), Lines({":1: larger than a registry file can be (4 MiB); nothing read"}));
}

TEST_F(DamagedRegistryFile, ValuesOutsideASection) {
  EXPECT_EQ(ReasonsFor(std::string(kHeader) + "\"early\"=dword:00000001\n@=\"x\"\n[HKEY_CURRENT_USER\\Software\\A]\n"
                                              "\"v\"=dword:00000002\n"),
            Lines({":2: value outside a section", ":3: value outside a section"}));
  EXPECT_EQ(DwordAt(u"Software\\A", u"v"), 2u);
}

TEST_F(DamagedRegistryFile, RepeatsAreReportedAndTheLaterOneWins) {
  EXPECT_EQ(ReasonsFor(std::string(kHeader) +
                       "[HKEY_CURRENT_USER\\Software\\A]\n"
                       "\"v\"=dword:00000001\n"
                       "\"only first\"=dword:00000001\n"
                       "\"V\"=dword:00000002\n"
                       "[HKEY_CURRENT_USER\\Software\\B]\n"
                       "\"b\"=dword:00000001\n"
                       "[HKEY_CURRENT_USER\\software\\b]\n"
                       "\"b\"=dword:00000007\n"),
            Lines({":5: value repeated (first at line 3); the later one wins",
                   ":8: key repeated (first at line 6); the later one wins"}));
  EXPECT_EQ(DwordAt(u"Software\\A", u"v"), 2u);
  EXPECT_EQ(DwordAt(u"Software\\A", u"only first"), 1u);
  EXPECT_EQ(DwordAt(u"Software\\B", u"b"), 7u);
}

TEST_F(DamagedRegistryFile, EarlierDamagedCopiesAreNeverOverwritten) {
  std::string first = std::string(kHeader) + "first damage\n";
  std::string second = std::string(kHeader) + "second damage\n";
  WriteFile(path + ".damaged", "older");
  EXPECT_EQ(Reasons(OpenWith(first)).back(),
            ": damaged; kept as " + path + ".damaged.1, the registry starts with what could be read");
  win32sim::ResetRegistry();
  EXPECT_EQ(Reasons(OpenWith(second)).back(),
            ": damaged; kept as " + path + ".damaged.2, the registry starts with what could be read");
  EXPECT_EQ(FileText(path + ".damaged"), "older");
  EXPECT_EQ(FileText(path + ".damaged.1"), first);
  EXPECT_EQ(FileText(path + ".damaged.2"), second);
}

TEST_F(DamagedRegistryFile, GarbageGivesABoundedReport) {
  std::string text = kHeader;
  for (int i = 0; i < 1000; ++i) text += "garbage\n";
  std::vector<std::string> problems = OpenWith(text);
  ASSERT_EQ(problems.size(), 102u);
  EXPECT_EQ(problems[100], path + ": 900 more problems not listed");
}

}  // namespace
