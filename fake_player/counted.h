// Reference counting and QueryInterface as the player's objects do them.
#pragma once

#include <cstdint>

#include "fake_player/call_observer.h"
#include "host/AIMPSDKAddons.h"

namespace fake_player {

class ReferenceCount {
 public:
  // own: references the player keeps itself, never given away; iid: the one
  // interface besides IUnknown the object answers to.
  ReferenceCount(const char* name, const host::Guid& iid, uint32_t own)
      : name_(name), iid_(iid), own_(own) {}

  // A reference handed out by the player itself, not asked for by AddRef.
  void Grant() { ++held_; }

  uint32_t References() const { return own_ + held_; }
  // References taken less references given back: 0 when every one was
  // returned, below 0 when more were given back than taken.
  int Balance() const { return static_cast<int>(held_) - unmatched_; }
  void Watch(CallObserver* observer) { observer_ = observer; }

 protected:
  uint32_t Up();
  uint32_t Down();
  host::HRESULT Answer(const host::Guid& iid, void** object, void* self);
  CallObserver* Observer() const { return observer_; }

 private:
  const char* name_;
  host::Guid iid_;
  uint32_t own_;
  uint32_t held_ = 0;
  int unmatched_ = 0;
  CallObserver* observer_ = nullptr;
};

// The interface first, so that a pointer to the object is a pointer to it.
template <class Interface>
class Counted : public Interface, public ReferenceCount {
 public:
  Counted(const char* name, const host::Guid& iid, uint32_t ownReferences = 0)
      : ReferenceCount(name, iid, ownReferences) {}

  uint32_t HOST_STDCALL AddRef() override { return Up(); }
  uint32_t HOST_STDCALL Release() override { return Down(); }
  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override {
    return Answer(iid, object, static_cast<Interface*>(this));
  }
};

}  // namespace fake_player
