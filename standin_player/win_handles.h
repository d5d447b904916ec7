// The stand-in's names for the shared owners of Win32 handles.
#pragma once

#include <windows.h>

#include "platform/win32/owned_handles.h"

namespace standin {

using platform::DibInfo;
using platform::FileHandle;
using platform::MemoryDc;
using platform::PaintScope;
using platform::Selection;
using platform::Wide;
using platform::WindowDc;
using Bitmap = platform::GdiHandle<HBITMAP>;
using Brush = platform::GdiHandle<HBRUSH>;
using Window = platform::WindowHandle;

}  // namespace standin
