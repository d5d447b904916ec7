// Window images for people to look at: tests save screenshots into the build tree.
#pragma once

#include <string>

#include "ui/toolkit/picture.h"

namespace toolkit {

class Control;

namespace test {

// Writes a picture as a 24-bit BMP file; false when the file cannot be written.
bool WriteBmp(const Picture& picture, const std::u16string& path);
// The window's current image (with its frame); empty without a real window.
Picture CaptureWindow(const Control& control);
// CaptureWindow then WriteBmp; false when there is no window or no file.
bool SaveScreenshot(const Control& control, const std::u16string& path);

}  // namespace test
}  // namespace toolkit
