#pragma once

#include <string>

// The platform's buffered text file. Operations do not throw: each answers the I/O result of the
// call, 0 for success or the operating system's error number, like the platform's {$I-} files.
// A trailing "." in a file name means "no extension": "Printer." names the file "Printer".
class TTextFile {
 public:
  TTextFile() = default;
  TTextFile(const TTextFile&) = delete;
  TTextFile& operator=(const TTextFile&) = delete;
  ~TTextFile();  // closes an open file, dropping any error

  void Assign(const std::string& fileName);
  int Rewrite();  // creates the file for writing, replacing an existing one
  int Write(const std::string& text);
  int Flush();
  int Close();

  bool IsOpen() const { return fd_ >= 0; }
  const std::string& FileName() const { return fileName_; }

  // The path actually opened for a platform file name.
  static std::string PathFor(const std::string& fileName);

 private:
  static constexpr std::size_t kBufferSize = 4096;

  std::string fileName_;
  std::string buffer_;
  int fd_ = -1;
};
