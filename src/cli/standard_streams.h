// The standard output and error as corvanta-cli writes them.
#pragma once

#include <streambuf>
#include <string>

namespace corvanta::cli {

// A standard descriptor the program was started without (`>&-`) would be
// taken by the next file anything opens (the window toolkit's event
// descriptor, a module, the output file), and standard output would write
// into it. Each closed one is held on /dev/null, open the wrong way round
// (output read-only, input write-only), so that it stays taken and writing
// to it fails as writing to a closed descriptor does. Call first.
void HoldClosedStandardDescriptors();

// Standard output as a buffered stream written with the output path's
// WriteAll: a non-blocking descriptor is waited on, never cut short.
class DescriptorStreamBuffer : public std::streambuf {
 public:
  explicit DescriptorStreamBuffer(int fd);
  ~DescriptorStreamBuffer() override;
  DescriptorStreamBuffer(const DescriptorStreamBuffer&) = delete;
  DescriptorStreamBuffer& operator=(const DescriptorStreamBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool Flush();

  int fd_;
  std::string pending_;
};

}  // namespace corvanta::cli
