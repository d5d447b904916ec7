// The player's core unit and the COM-style basics every host interface shares.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define HOST_STDCALL __stdcall
#else
#define HOST_STDCALL
#endif

namespace host {

using HRESULT = int32_t;

constexpr HRESULT kResultOk = 0;
constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT kNotImplemented = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT kInvalidPointer = static_cast<HRESULT>(0x80004003u);

// Same memory layout as the Windows GUID.
struct Guid {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};
static_assert(sizeof(Guid) == 16, "Guid must match the Windows GUID");

inline bool operator==(const Guid& a, const Guid& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}
inline bool operator!=(const Guid& a, const Guid& b) {
  return !(a == b);
}

constexpr Guid IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// COM-style interfaces: no virtual destructor, so the vtable holds exactly the
// declared slots in declaration order.
struct IUnknownHost {
  virtual HRESULT HOST_STDCALL QueryInterface(const Guid& iid, void** object) = 0;
  virtual uint32_t HOST_STDCALL AddRef() = 0;
  virtual uint32_t HOST_STDCALL Release() = 0;

 protected:
  ~IUnknownHost() = default;
};

// The core unit hands out services through QueryInterface with the service ID.
struct IAIMPCoreUnit : IUnknownHost {
 protected:
  ~IAIMPCoreUnit() = default;
};

}  // namespace host
