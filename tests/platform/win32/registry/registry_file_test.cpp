// The registry file: every change written through, every type read back as written, the text a person reads,
// the lock against a second host, and a change the file cannot take is not kept in memory either.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstring>

#include "qvwide.h"
#include "registry_test_support.h"

namespace {

const char16_t kSettings[] = u"Software\\Tessaray\\Quillview\\3.0\\Settings";

class RegistryFileTest : public RegistryTest {
 protected:
  void Bind() {
    problems.clear();
    ASSERT_TRUE(win32sim::OpenRegistryFile(path, problems)) << (problems.empty() ? "" : problems[0]);
    EXPECT_TRUE(problems.empty()) << problems[0];
  }
  // Leaves memory empty and reads the file back, as the next host start does.
  void Reload() {
    win32sim::ResetRegistry();
    Bind();
  }

  ScratchFolder folder;
  std::string path = folder.File("machine/registry.reg");
  std::vector<std::string> problems;
};

struct Sample {
  const char16_t* name;
  DWORD type;
  std::vector<BYTE> data;
};

std::vector<Sample> EveryKindOfValue() {
  return {
      {u"", REG_SZ, StringBytes(u"default")},
      {u"plain", REG_SZ, StringBytes(u"text")},
      {u"quote\" back\\slash = equals", REG_SZ, StringBytes(u"say \"hi\" to C:\\dir\\ = x")},
      {u"中文名字", REG_SZ, StringBytes(u"简体中文 and \U0001F600")},
      {u"empty string", REG_SZ, StringBytes(u"")},
      {u"@", REG_SZ, StringBytes(u"not the default")},
      {u"with newline", REG_SZ, StringBytes(u"two\nlines\t")},
      {u"unterminated", REG_SZ, {'a', 0, 'b', 0}},
      {u"odd bytes", REG_SZ, {'a'}},
      {u"zero-length sz", REG_SZ, {}},
      {u"dword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
      {u"dword -1", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}},
      {u"short dword", REG_DWORD, {1, 2}},
      {u"expand", REG_EXPAND_SZ, StringBytes(u"%USERPROFILE%\\文件")},
      {u"multi", REG_MULTI_SZ, StringBytes(std::u16string(u"one\0two\0", 8))},
      {u"binary", REG_BINARY, std::vector<BYTE>{0, 1, 0x7F, 0x80, 0xFF}},
      {u"empty binary", REG_BINARY, {}},
      {u"long binary", REG_BINARY, std::vector<BYTE>(300, 0xAB)},
      {u"qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
      {u"none", REG_NONE, {}},
  };
}

TEST_F(RegistryFileTest, EveryTypeAndNameComesBackAsWritten) {
  Bind();
  Key key, emptyKey, oddKey;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Round Trip\\名字", key), ERROR_SUCCESS);
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Round Trip\\Empty Key", emptyKey), ERROR_SUCCESS);
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Round Trip\\odd ] [ = \" key ", oddKey), ERROR_SUCCESS);
  for (const Sample& sample : EveryKindOfValue())
    ASSERT_EQ(SetBytes(key, sample.name, sample.type, sample.data), ERROR_SUCCESS) << WideToUtf8(sample.name);
  win32sim::SetRegistryAdministrator(true);
  Key machine;
  ASSERT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\Vendor", machine), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(machine, u"m", 9), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(HKEY_CURRENT_USER, u"at the root", 1), ERROR_SUCCESS);

  Reload();
  for (const Sample& sample : EveryKindOfValue())
    EXPECT_EQ(Read(HKEY_CURRENT_USER, u"Software\\Round Trip\\名字", sample.name), (Stored{sample.type, sample.data}))
        << WideToUtf8(sample.name);
  WCHAR name[32];
  std::vector<std::u16string> names;
  Key reopened;
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Round Trip\\名字", reopened), ERROR_SUCCESS);
  for (DWORD i = 0;; ++i) {
    DWORD chars = 32;
    if (RegEnumValueW(reopened, i, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.push_back(name);
  }
  ASSERT_EQ(names.size(), EveryKindOfValue().size());
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], EveryKindOfValue()[i].name);
  Key empty, odd;
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Round Trip\\Empty Key", empty), ERROR_SUCCESS);
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Round Trip\\odd ] [ = \" key ", odd), ERROR_SUCCESS);
  EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, u"Software\\Vendor", u"m").data, std::vector<BYTE>({9, 0, 0, 0}));
  EXPECT_EQ(Read(HKEY_CURRENT_USER, nullptr, u"at the root").type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryFileTest, TheTextReadsLikeARegExport) {
  Bind();
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, kSettings, key), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, u"Enabled", 1), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, u"FontTypeface", u"Arial \"Bold\" C:\\"), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, nullptr, u"默认"), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, u"Blob", REG_BINARY, {0x0A, 0xFF}), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, u"Path", u"%HOME%", REG_EXPAND_SZ), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, u"List", REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0}), ERROR_SUCCESS);
  EXPECT_EQ(FileText(path),
            "Windows Registry Editor Version 5.00\n"
            "\n[HKEY_CURRENT_USER]\n"
            "\n[HKEY_CURRENT_USER\\Software]\n"
            "\n[HKEY_CURRENT_USER\\Software\\Classes]\n"
            "\n[HKEY_CURRENT_USER\\Software\\Tessaray]\n"
            "\n[HKEY_CURRENT_USER\\Software\\Tessaray\\Quillview]\n"
            "\n[HKEY_CURRENT_USER\\Software\\Tessaray\\Quillview\\3.0]\n"
            "\n[HKEY_CURRENT_USER\\Software\\Tessaray\\Quillview\\3.0\\Settings]\n"
            "\"Enabled\"=dword:00000001\n"
            "\"FontTypeface\"=\"Arial \\\"Bold\\\" C:\\\\\"\n"
            "@=\"默认\"\n"
            "\"Blob\"=hex:0a,ff\n"
            "\"Path\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\n"
            "\"List\"=hex(7):61,00,00,00,00,00\n"
            "\n[HKEY_LOCAL_MACHINE]\n"
            "\n[HKEY_LOCAL_MACHINE\\Software]\n"
            "\n[HKEY_LOCAL_MACHINE\\Software\\Classes]\n");
}

TEST_F(RegistryFileTest, LongHexDataIsWrappedAndReadBack) {
  Bind();
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Wrap", key), ERROR_SUCCESS);
  std::vector<BYTE> data(100);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<BYTE>(i * 7);
  ASSERT_EQ(SetBytes(key, u"wrapped", REG_BINARY, data), ERROR_SUCCESS);
  std::string text = FileText(path);
  EXPECT_NE(text.find(",\\\n  "), std::string::npos);
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 80u);
  Reload();
  EXPECT_EQ(Read(HKEY_CURRENT_USER, u"Software\\Wrap", u"wrapped").data, data);
}

TEST_F(RegistryFileTest, EveryChangeIsInTheFileAtOnce) {
  Bind();
  EXPECT_EQ(FileText(path).rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Now", key), ERROR_SUCCESS);
  EXPECT_NE(FileText(path).find("[HKEY_CURRENT_USER\\Software\\Now]\n"), std::string::npos);
  ASSERT_EQ(SetDword(key, u"v", 2), ERROR_SUCCESS);
  EXPECT_NE(FileText(path).find("\"v\"=dword:00000002\n"), std::string::npos);
  ASSERT_EQ(RegDeleteValueW(key, u"v"), ERROR_SUCCESS);
  EXPECT_EQ(FileText(path).find("\"v\"="), std::string::npos);
  ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Now"), ERROR_SUCCESS);
  EXPECT_EQ(FileText(path).find("Software\\Now"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(RegistryFileTest, AfterClosingChangesStayInMemoryOnly) {
  Bind();
  win32sim::CloseRegistryFile();
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\MemoryOnly", key), ERROR_SUCCESS);
  EXPECT_EQ(FileText(path).find("MemoryOnly"), std::string::npos);
  Reload();
  Key gone;
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\MemoryOnly", gone), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFileTest, ASecondHostIsRefusedWhileTheLockIsHeld) {
  Bind();
  win32sim::CloseRegistryFile();
  int otherHost = ::open((path + ".lock").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(otherHost, 0);
  ASSERT_EQ(::flock(otherHost, LOCK_EX | LOCK_NB), 0);
  problems.clear();
  EXPECT_FALSE(win32sim::OpenRegistryFile(path, problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], path + ": in use by another host (it holds " + path + ".lock)");
  ::close(otherHost);
  Bind();
}

TEST_F(RegistryFileTest, TheLockIsTakenFromAnyOtherHostWhileBound) {
  Bind();
  int otherHost = ::open((path + ".lock").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(otherHost, 0);
  EXPECT_NE(::flock(otherHost, LOCK_EX | LOCK_NB), 0);
  win32sim::CloseRegistryFile();
  EXPECT_EQ(::flock(otherHost, LOCK_EX | LOCK_NB), 0);
  ::close(otherHost);
}

TEST_F(RegistryFileTest, AFolderThatCannotBeMadeIsReported) {
  WriteFile(folder.File("plain-file"), "x");
  std::string blocked = folder.File("plain-file/sub/registry.reg");
  EXPECT_FALSE(win32sim::OpenRegistryFile(blocked, problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind(blocked + ": cannot create its folder: ", 0), 0u) << problems[0];
}

TEST_F(RegistryFileTest, AFolderInThePlaceOfTheFileIsReported) {
  std::filesystem::create_directories(path);
  EXPECT_FALSE(win32sim::OpenRegistryFile(path, problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], path + ": cannot be read: " + std::strerror(EISDIR));
}

TEST_F(RegistryFileTest, AChangeTheFileCannotTakeIsUndone) {
  Bind();
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Undo", key), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, u"kept", 1), ERROR_SUCCESS);
  std::filesystem::remove_all(folder.path() / "machine");
  EXPECT_EQ(SetDword(key, u"kept", 2), ERROR_REGISTRY_IO_FAILED);
  EXPECT_EQ(SetDword(key, u"new", 2), ERROR_REGISTRY_IO_FAILED);
  EXPECT_EQ(RegDeleteValueW(key, u"kept"), ERROR_REGISTRY_IO_FAILED);
  Key child;
  EXPECT_EQ(Create(key, u"Child\\Grandchild", child), ERROR_REGISTRY_IO_FAILED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Undo"), ERROR_REGISTRY_IO_FAILED);
  EXPECT_EQ(Read(key, nullptr, u"kept").data, std::vector<BYTE>({1, 0, 0, 0}));
  EXPECT_EQ(Read(key, nullptr, u"new").type, 0u);
  Key missingChild, stillThere;
  EXPECT_EQ(Open(key, u"Child", missingChild), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Undo", stillThere), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(key, u"kept", 3), ERROR_REGISTRY_IO_FAILED);
}

}  // namespace
