#include "ui/toolkit/testing/screenshot.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/text.h"

#ifdef _WIN32
#include <stdio.h>
#endif

namespace toolkit::test {
namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

File OpenForWriting(const std::u16string& path) {
#ifdef _WIN32
  return File(_wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb"));
#else
  return File(std::fopen(platform::ToUtf8(path).c_str(), "wb"));
#endif
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

bool WriteBmp(const Picture& picture, const std::u16string& path) {
  if (picture.Empty()) return false;
  const uint32_t rowBytes = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.height);
  std::vector<uint8_t> out;
  out.reserve(54 + imageBytes);
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, 54 + imageBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 54, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<uint32_t>(picture.width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(picture.height), 4);  // bottom-up rows
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  for (int i = 0; i < 6; ++i) PutLittleEndian(out, 0, 4);
  for (int y = picture.height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t c = picture.At(x, y);  // 0x00BBGGRR; a BMP pixel is B, G, R
      out.push_back(static_cast<uint8_t>(c >> 16));
      out.push_back(static_cast<uint8_t>(c >> 8));
      out.push_back(static_cast<uint8_t>(c));
    }
    out.resize(start + rowBytes, 0);
  }
  File file = OpenForWriting(path);
  return file && std::fwrite(out.data(), 1, out.size(), file.get()) == out.size();
}

bool SaveScreenshot(const Control& control, const std::u16string& path) {
  return WriteBmp(CaptureWindow(control), path);
}

#ifndef _WIN32
Picture CaptureWindow(const Control&) {
  return Picture{};
}
#endif

}  // namespace toolkit::test
