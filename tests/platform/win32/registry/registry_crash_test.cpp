// A host killed at any moment leaves a registry file that loads cleanly and holds, for each value, either its
// old or its new content: a child writes in a loop and is killed with SIGKILL at seeded random points.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "registry_test_support.h"

namespace {

constexpr char16_t kKey[] = u"Software\\CrashTest";
constexpr int kValues = 8;
constexpr int kKills = 30;

std::u16string ValueName(int slot) { return u"v" + std::u16string(1, static_cast<char16_t>(u'0' + slot)); }

// Write number t sets value t % kValues to data that tells t apart and has a length of its own.
Stored ContentOf(long t) {
  Stored stored;
  if (t % kValues < 6) {
    std::string number = std::to_string(t);
    std::u16string text = u"write " + std::u16string(number.begin(), number.end());
    text.append(static_cast<size_t>(t * 37 % 300), u'x');
    stored = {REG_SZ, StringBytes(text)};
  } else {
    stored.type = REG_BINARY;
    for (int shift = 0; shift < 32; shift += 8) stored.data.push_back(static_cast<BYTE>(t >> shift));
    stored.data.insert(stored.data.end(), static_cast<size_t>(t % 500), static_cast<BYTE>(t));
  }
  return stored;
}

// The write number a stored value came from, or -1 when it is no content any write made.
long WriteNumberOf(int slot, const Stored& stored) {
  long t = -1;
  if (stored.type == REG_SZ && stored.data.size() > 14) {
    std::string digits;
    for (size_t i = 12; i + 1 < stored.data.size() && stored.data[i] >= '0' && stored.data[i] <= '9'; i += 2)
      digits += static_cast<char>(stored.data[i]);
    if (!digits.empty()) t = std::stol(digits);
  } else if (stored.type == REG_BINARY && stored.data.size() >= 4) {
    t = stored.data[0] | (stored.data[1] << 8) | (stored.data[2] << 16) | (long(stored.data[3]) << 24);
  }
  return t >= 0 && t % kValues == slot && ContentOf(t) == stored ? t : -1;
}

// Runs in the forked child: never returns. Reports each write that returned through the pipe.
[[noreturn]] void WriteForever(const std::string& path, long firstWrite, int reportFd) {
  std::vector<std::string> problems;
  if (!win32sim::OpenRegistryFile(path, problems)) _exit(2);
  Key key;
  if (Create(HKEY_CURRENT_USER, kKey, key) != ERROR_SUCCESS) _exit(3);
  for (long t = firstWrite;; ++t) {
    Stored content = ContentOf(t);
    if (SetBytes(key, ValueName(static_cast<int>(t % kValues)).c_str(), content.type, content.data) != ERROR_SUCCESS)
      _exit(4);
    if (::write(reportFd, "w", 1) != 1) _exit(5);
  }
}

class RegistryCrash : public RegistryTest {
 protected:
  ScratchFolder folder;
  std::string path = folder.File("registry.reg");
};

TEST_F(RegistryCrash, KilledWritersLeaveOldOrNewContentOfEveryValue) {
  std::mt19937 random(20261207);
  long nextWrite = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    int reportsWanted = 1 + static_cast<int>(random() % 12);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(pipeFds[0]);
      WriteForever(path, nextWrite, pipeFds[1]);
    }
    ::close(pipeFds[1]);
    int reports = 0;
    char byte;
    while (reports < reportsWanted && ::read(pipeFds[0], &byte, 1) == 1) ++reports;
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(pipeFds[0]);
    ASSERT_EQ(reports, reportsWanted) << "the writer stopped early, status " << status;

    std::vector<std::string> problems;
    ASSERT_TRUE(win32sim::OpenRegistryFile(path, problems)) << "after kill " << kill;
    ASSERT_TRUE(problems.empty()) << "after kill " << kill << ": " << problems[0];
    long last = -1;
    std::vector<long> writeOf(kValues);
    for (int slot = 0; slot < kValues; ++slot) {
      Stored stored = Read(HKEY_CURRENT_USER, kKey, ValueName(slot).c_str());
      writeOf[slot] = stored.type == 0 ? -1 : WriteNumberOf(slot, stored);
      ASSERT_TRUE(stored.type == 0 || writeOf[slot] >= 0) << "value " << slot << " corrupted after kill " << kill;
      last = std::max(last, writeOf[slot]);
    }
    ASSERT_GE(last, nextWrite + reportsWanted - 1) << "a reported write was lost after kill " << kill;
    for (int slot = 0; slot < kValues; ++slot) {
      long newest = last - ((last - slot) % kValues + kValues) % kValues;
      EXPECT_EQ(writeOf[slot], newest >= 0 && newest <= last ? newest : -1) << "value " << slot << ", kill " << kill;
    }
    nextWrite = last + 1;
    win32sim::ResetRegistry();
  }
}

}  // namespace
