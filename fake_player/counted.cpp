#include "fake_player/counted.h"

namespace fake_player {

uint32_t ReferenceCount::Up() {
  ++held_;
  if (observer_) observer_->AddRefCalled(name_, References());
  return References();
}

uint32_t ReferenceCount::Down() {
  const bool held = held_ > 0;
  if (held) {
    --held_;
  } else {
    ++unmatched_;
  }
  if (observer_) observer_->ReleaseCalled(name_, held, References());
  return References();
}

host::HRESULT ReferenceCount::Answer(const host::Guid& iid, void** object, void* self) {
  host::HRESULT result = host::kNoInterface;
  if (!object) {
    result = host::kInvalidPointer;
  } else if (iid == iid_ || iid == host::IID_IUnknown) {
    *object = self;
    ++held_;
    result = host::kResultOk;
  } else {
    *object = nullptr;
  }
  if (observer_) observer_->QueryAnswered(name_, iid, result, References());
  return result;
}

}  // namespace fake_player
