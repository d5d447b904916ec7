// The tests' names for the shared fake player.
#pragma once

#include "fake_player/services.h"

namespace fixture {

using fake_player::AppliedLook;
using FakeSkinsService = fake_player::SkinsService;
using FakeCoreUnit = fake_player::CoreUnit;

}  // namespace fixture
