#include "registry/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "registry/registry_text.h"

namespace win32sim::registry {

namespace {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  // Closing reports the last write errors, so it is checked like a write.
  bool close() { return ::close(release()) == 0; }

 private:
  int fd_;
};

std::string ErrnoText() { return std::strerror(errno); }

bool WriteAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

void SyncFolder(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

// Outcome of reading: the text, or that the file is missing, or why it cannot be read.
enum class ReadResult { Read, Missing, TooLarge, Failed };

ReadResult ReadFile(const std::string& path, std::string& text) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
  struct stat info;
  if (::fstat(fd.get(), &info) != 0) return ReadResult::Failed;
  if (!S_ISREG(info.st_mode)) {
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return ReadResult::Failed;
  }
  if (static_cast<unsigned long long>(info.st_size) > kMaxRegistryFileSize) return ReadResult::TooLarge;
  text.clear();
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return ReadResult::Failed;
    if (got == 0) return ReadResult::Read;
    if (text.size() + static_cast<size_t>(got) > kMaxRegistryFileSize) return ReadResult::TooLarge;
    text.append(buffer, static_cast<size_t>(got));
  }
}

// Gives the damaged file a name of its own that no earlier one has; the hard link keeps path in place until
// the new content replaces it.
bool KeepAside(const std::string& path, std::string& keptAs) {
  for (int attempt = 0; attempt < 10000; ++attempt) {
    keptAs = path + ".damaged" + (attempt == 0 ? "" : "." + std::to_string(attempt));
    if (::link(path.c_str(), keptAs.c_str()) == 0) return true;
    if (errno != EEXIST) return false;
  }
  errno = EEXIST;
  return false;
}

}  // namespace

RegistryFile::RegistryFile(std::string path, int lockFd) : path_(std::move(path)), lockFd_(lockFd) {}

RegistryFile::~RegistryFile() { ::close(lockFd_); }

std::unique_ptr<RegistryFile> RegistryFile::Open(const std::string& path, Key& user, Key& machine,
                                                 std::vector<std::string>& problems) {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) {
    problems.push_back(path + ": cannot create its folder: " + error.message());
    return nullptr;
  }
  std::string folderName = folder.empty() ? "." : folder.string();
  if (::access(folderName.c_str(), W_OK) != 0) {
    problems.push_back(path + ": its folder cannot be written: " + ErrnoText());
    return nullptr;
  }
  std::string lockPath = path + ".lock";
  UniqueFd lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (lock.get() < 0) {
    problems.push_back(lockPath + ": cannot open the lock file: " + ErrnoText());
    return nullptr;
  }
  if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
    problems.push_back(path + ": " +
                       (errno == EWOULDBLOCK ? std::string("in use by another host (it holds ") + lockPath + ")"
                                             : "cannot lock " + lockPath + ": " + ErrnoText()));
    return nullptr;
  }
  std::string text;
  size_t firstProblem = problems.size();
  switch (ReadFile(path, text)) {
    case ReadResult::Failed:
      problems.push_back(path + ": cannot be read: " + ErrnoText());
      return nullptr;
    case ReadResult::TooLarge:
      problems.push_back(path + ":1: larger than a registry file can be (" +
                         std::to_string(kMaxRegistryFileSize >> 20) + " MiB); nothing read");
      break;
    case ReadResult::Read:
      ParseRegistryText(text, path, user, machine, problems);
      break;
    case ReadResult::Missing:
      break;
  }
  std::unique_ptr<RegistryFile> file(new RegistryFile(path, lock.release()));
  if (problems.size() > firstProblem) {
    std::string keptAs;
    if (!KeepAside(path, keptAs)) {
      problems.push_back(path + ": damaged, and it cannot be kept aside as " + keptAs + ": " + ErrnoText() +
                         "; left as it is");
      return nullptr;
    }
    problems.push_back(path + ": damaged; kept as " + keptAs + ", the registry starts with what could be read");
  }
  if (problems.size() > firstProblem || text.empty()) {
    if (!file->Save(RegistryText(user, machine))) {
      problems.push_back(path + ": cannot be written: " + ErrnoText());
      return nullptr;
    }
  }
  return file;
}

bool RegistryFile::Save(const std::string& text) {
  if (text.size() > kMaxRegistryFileSize) {
    errno = EFBIG;
    return false;
  }
  std::string temporary = path_ + ".tmp";
  UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  bool saved = fd.get() >= 0 && WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0 && fd.close() &&
               ::rename(temporary.c_str(), path_.c_str()) == 0;
  if (!saved) {
    int saveError = errno;
    ::unlink(temporary.c_str());
    errno = saveError;
    return false;
  }
  // Once renamed the new content is what every reader sees, so a failing folder sync cannot undo it.
  SyncFolder(path_);
  return true;
}

}  // namespace win32sim::registry
