#include "platform/system/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

TTextFile::~TTextFile() {
  if (IsOpen()) Close();
}

void TTextFile::Assign(const std::string& fileName) {
  fileName_ = fileName;
}

std::string TTextFile::PathFor(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::string name = fileName.substr(nameStart);
  // "." and ".." are folders, not names without an extension.
  if (name.find_first_not_of('.') == std::string::npos) return fileName;
  std::size_t end = fileName.size();
  while (end > nameStart && fileName[end - 1] == '.') --end;
  return fileName.substr(0, end);
}

int TTextFile::Rewrite() {
  if (IsOpen()) Close();
  buffer_.clear();
  const std::string path = PathFor(fileName_);
  if (path.empty()) return ENOENT;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd_ < 0 ? errno : 0;
}

int TTextFile::Write(const std::string& text) {
  if (!IsOpen()) return EBADF;
  buffer_ += text;
  return buffer_.size() >= kBufferSize ? Flush() : 0;
}

int TTextFile::Flush() {
  if (!IsOpen()) return EBADF;
  std::size_t done = 0;
  int result = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      result = errno;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  // What failed to reach the file is dropped, as the platform's files do: the caller has been
  // told, and writing it again later would put it out of order.
  buffer_.clear();
  return result;
}

int TTextFile::Close() {
  if (!IsOpen()) return EBADF;
  int result = Flush();
  if (::close(fd_) != 0 && result == 0) result = errno;
  fd_ = -1;
  return result;
}
