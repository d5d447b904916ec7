// The settings window banner: a 437 x 67 PNG with an alpha channel.
#pragma once

#include <cstdint>
#include <vector>

namespace resources {

const std::vector<uint8_t>& BannerPng();

}  // namespace resources
