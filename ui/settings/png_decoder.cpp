#include "ui/settings/png_decoder.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace png {
namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFFu;
constexpr uint8_t kColorTypeRgb = 2;
constexpr uint8_t kColorTypeRgba = 6;

uint32_t ReadBigEndian(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

struct Header {
  uint32_t width = 0;
  uint32_t height = 0;
  int bytesPerPixel = 0;
};

std::optional<Header> ParseHeader(const uint8_t* p, uint32_t length) {
  if (length != 13) return std::nullopt;
  Header header;
  header.width = ReadBigEndian(p);
  header.height = ReadBigEndian(p + 4);
  const uint8_t bitDepth = p[8], colorType = p[9], compression = p[10], filter = p[11],
                interlace = p[12];
  if (header.width == 0 || header.height == 0) return std::nullopt;
  if (header.width > kMaxPixels || header.height > kMaxPixels / header.width) return std::nullopt;
  if (bitDepth != 8 || compression != 0 || filter != 0 || interlace != 0) return std::nullopt;
  if (colorType == kColorTypeRgb) {
    header.bytesPerPixel = 3;
  } else if (colorType == kColorTypeRgba) {
    header.bytesPerPixel = 4;
  } else {
    return std::nullopt;
  }
  return header;
}

// Walks the chunks, checking every length and CRC, and gathers the header and
// the concatenated image data. The stream must end with IEND.
struct Chunks {
  Header header;
  std::vector<uint8_t> imageData;
};

std::optional<Chunks> ReadChunks(const uint8_t* data, size_t size) {
  if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0) {
    return std::nullopt;
  }
  Chunks chunks;
  bool haveHeader = false;
  size_t pos = sizeof kSignature;
  while (size - pos >= 12) {
    const uint32_t length = ReadBigEndian(data + pos);
    if (length > kMaxChunkLength || length > size - pos - 12) return std::nullopt;
    const uint8_t* type = data + pos + 4;
    const uint8_t* body = type + 4;
    const uint32_t storedCrc = ReadBigEndian(body + length);
    if (crc32(0, type, 4 + length) != storedCrc) return std::nullopt;
    pos += 12 + static_cast<size_t>(length);

    if (std::memcmp(type, "IHDR", 4) == 0) {
      if (haveHeader) return std::nullopt;
      auto header = ParseHeader(body, length);
      if (!header) return std::nullopt;
      chunks.header = *header;
      haveHeader = true;
    } else if (!haveHeader) {
      return std::nullopt;  // IHDR must come first
    } else if (std::memcmp(type, "IDAT", 4) == 0) {
      chunks.imageData.insert(chunks.imageData.end(), body, body + length);
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      return chunks;
    } else if ((type[0] & 0x20) == 0 && std::memcmp(type, "PLTE", 4) != 0) {
      return std::nullopt;  // an unknown critical chunk; PLTE is only a hint for true colour
    }
  }
  return std::nullopt;
}

// Inflates into exactly `expected` bytes; more or less data is an error.
bool Inflate(const std::vector<uint8_t>& compressed, std::vector<uint8_t>& out, size_t expected) {
  out.assign(expected, 0);
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(compressed.data());
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(expected);
  const int result = inflate(&stream, Z_FINISH);
  const bool complete = result == Z_STREAM_END && stream.total_out == expected;
  inflateEnd(&stream);
  return complete;
}

uint8_t Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<uint8_t>(left);
  if (toUp <= toUpLeft) return static_cast<uint8_t>(up);
  return static_cast<uint8_t>(upLeft);
}

// Reverses the per-row filters in place. `previous` is null for the first row,
// which filters against zeros.
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* previous, size_t rowBytes, int bpp) {
  for (size_t i = 0; i < rowBytes; ++i) {
    const int left = i >= static_cast<size_t>(bpp) ? row[i - bpp] : 0;
    const int up = previous ? previous[i] : 0;
    const int upLeft = previous && i >= static_cast<size_t>(bpp) ? previous[i - bpp] : 0;
    int predictor = 0;
    switch (filter) {
      case 0:
        predictor = 0;
        break;
      case 1:
        predictor = left;
        break;
      case 2:
        predictor = up;
        break;
      case 3:
        predictor = (left + up) / 2;
        break;
      case 4:
        predictor = Paeth(left, up, upLeft);
        break;
      default:
        return false;
    }
    row[i] = static_cast<uint8_t>(row[i] + predictor);
  }
  return true;
}

toolkit::Picture ToPicture(const Header& header, std::vector<uint8_t>& raw) {
  const size_t rowBytes = static_cast<size_t>(header.width) * header.bytesPerPixel;
  const bool hasAlpha = header.bytesPerPixel == 4;
  toolkit::Picture picture;
  picture.pixels.reserve(static_cast<size_t>(header.width) * header.height);
  const uint8_t* previous = nullptr;
  for (uint32_t y = 0; y < header.height; ++y) {
    uint8_t* line = raw.data() + y * (rowBytes + 1);
    uint8_t* row = line + 1;
    if (!Unfilter(line[0], row, previous, rowBytes, header.bytesPerPixel)) return {};
    for (size_t i = 0; i < rowBytes; i += header.bytesPerPixel) {
      const uint32_t alpha = hasAlpha ? row[i + 3] : 0;
      picture.pixels.push_back(row[i] | (row[i + 1] << 8) | (row[i + 2] << 16) | (alpha << 24));
    }
    previous = row;
  }
  picture.width = static_cast<int>(header.width);
  picture.height = static_cast<int>(header.height);
  picture.hasAlpha = hasAlpha;
  return picture;
}

}  // namespace

toolkit::Picture Decode(const uint8_t* data, size_t size) {
  if (data == nullptr) return {};
  auto chunks = ReadChunks(data, size);
  if (!chunks) return {};
  const Header& header = chunks->header;
  const size_t rowBytes = static_cast<size_t>(header.width) * header.bytesPerPixel;
  std::vector<uint8_t> raw;
  if (!Inflate(chunks->imageData, raw, (rowBytes + 1) * header.height)) return {};
  return ToPicture(header, raw);
}

toolkit::Picture Decode(const std::vector<uint8_t>& bytes) {
  return Decode(bytes.data(), bytes.size());
}

}  // namespace png
