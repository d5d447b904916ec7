// A preview bitmap as the player would hand it out: one colour all over.
// Natively a registered picture stands for it; on Windows it is a real HBITMAP.
#pragma once

#include <cstdint>

#include "ui/toolkit/picture.h"

namespace fixture {

class TestPreview {
 public:
  TestPreview(uint32_t color, int width, int height);
  ~TestPreview();
  TestPreview(const TestPreview&) = delete;
  TestPreview& operator=(const TestPreview&) = delete;
  void* Handle() const { return handle_; }

 private:
  toolkit::Picture picture_;
  void* handle_ = nullptr;
};

}  // namespace fixture
