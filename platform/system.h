// What each operating-system layer supplies beneath the portable overrides.
#pragma once

#include <string>

#include "platform/message_box.h"

namespace platform {

std::u16string SystemExecutableFolder();
int SystemMessageBox(const MessageBoxCall& call);

}  // namespace platform
