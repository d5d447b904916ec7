#include "ui/settings/png_decoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "resources/banner.h"

namespace {

using Bytes = std::vector<uint8_t>;
using toolkit::Picture;

constexpr uint8_t kRgb = 2;
constexpr uint8_t kRgba = 6;

// An unencoded test image, row-major, `channels` bytes a pixel.
struct Image {
  uint32_t width;
  uint32_t height;
  int channels;
  Bytes samples;
};

// Varied samples, so that every predictor sees distinct neighbours.
Image MakeImage(uint32_t width, uint32_t height, int channels) {
  Image image{width, height, channels, {}};
  uint32_t state = 12345;
  for (size_t i = 0; i < size_t{width} * height * channels; ++i) {
    state = state * 1103515245u + 12345u;
    image.samples.push_back(static_cast<uint8_t>(state >> 16));
  }
  return image;
}

void PutBigEndian(Bytes& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

Bytes Chunk(const std::string& type, const Bytes& body) {
  Bytes out;
  PutBigEndian(out, static_cast<uint32_t>(body.size()));
  Bytes typed(type.begin(), type.end());
  typed.insert(typed.end(), body.begin(), body.end());
  out.insert(out.end(), typed.begin(), typed.end());
  PutBigEndian(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
  return out;
}

Bytes HeaderChunk(uint32_t width, uint32_t height, uint8_t colorType, uint8_t bitDepth = 8,
                  uint8_t interlace = 0) {
  Bytes body;
  PutBigEndian(body, width);
  PutBigEndian(body, height);
  body.insert(body.end(), {bitDepth, colorType, 0, 0, interlace});
  return Chunk("IHDR", body);
}

int Predict(int filter, int left, int up, int upLeft) {
  switch (filter) {
    case 1:
      return left;
    case 2:
      return up;
    case 3:
      return (left + up) / 2;
    case 4: {
      const int p = left + up - upLeft;
      const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
      if (pa <= pb && pa <= pc) return left;
      return pb <= pc ? up : upLeft;
    }
    default:
      return 0;
  }
}

// Filters every row with the filter chosen for it, as an encoder would.
Bytes FilterRows(const Image& image, const std::function<int(uint32_t row)>& filterOf) {
  const size_t rowBytes = size_t{image.width} * image.channels;
  Bytes out;
  for (uint32_t y = 0; y < image.height; ++y) {
    const int filter = filterOf(y);
    out.push_back(static_cast<uint8_t>(filter));
    const uint8_t* row = image.samples.data() + y * rowBytes;
    const uint8_t* previous = y > 0 ? row - rowBytes : nullptr;
    for (size_t i = 0; i < rowBytes; ++i) {
      const bool hasLeft = i >= static_cast<size_t>(image.channels);
      const int left = hasLeft ? row[i - image.channels] : 0;
      const int up = previous ? previous[i] : 0;
      const int upLeft = previous && hasLeft ? previous[i - image.channels] : 0;
      out.push_back(static_cast<uint8_t>(row[i] - Predict(filter, left, up, upLeft)));
    }
  }
  return out;
}

Bytes Compress(const Bytes& raw) {
  Bytes out(compressBound(static_cast<uLong>(raw.size())));
  uLongf length = static_cast<uLongf>(out.size());
  EXPECT_EQ(compress(out.data(), &length, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
  out.resize(length);
  return out;
}

Bytes Png(std::initializer_list<Bytes> chunks) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const Bytes& chunk : chunks) out.insert(out.end(), chunk.begin(), chunk.end());
  return out;
}

uint8_t ColorTypeOf(const Image& image) {
  return image.channels == 4 ? kRgba : kRgb;
}

Bytes EncodeWithData(const Image& image, const Bytes& compressed) {
  return Png({HeaderChunk(image.width, image.height, ColorTypeOf(image)), Chunk("IDAT", compressed),
              Chunk("IEND", {})});
}

Bytes Encode(const Image& image, const std::function<int(uint32_t)>& filterOf) {
  return EncodeWithData(image, Compress(FilterRows(image, filterOf)));
}

void ExpectPixels(const Picture& picture, const Image& image) {
  ASSERT_EQ(picture.width, static_cast<int>(image.width));
  ASSERT_EQ(picture.height, static_cast<int>(image.height));
  EXPECT_EQ(picture.hasAlpha, image.channels == 4);
  ASSERT_EQ(picture.pixels.size(), size_t{image.width} * image.height);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint8_t* s = image.samples.data() + i * image.channels;
    const uint32_t alpha = image.channels == 4 ? s[3] : 0;
    const uint32_t expected = s[0] | (s[1] << 8) | (s[2] << 16) | (alpha << 24);
    ASSERT_EQ(picture.pixels[i], expected) << "pixel " << i;
  }
}

TEST(PngDecoder, EveryFilterTypeDecodesExactly) {
  for (int channels : {3, 4}) {
    const Image image = MakeImage(7, 5, channels);
    for (int filter = 0; filter <= 4; ++filter) {
      SCOPED_TRACE("channels " + std::to_string(channels) + " filter " + std::to_string(filter));
      ExpectPixels(png::Decode(Encode(image, [filter](uint32_t) { return filter; })), image);
    }
    SCOPED_TRACE("mixed filters, channels " + std::to_string(channels));
    ExpectPixels(png::Decode(Encode(image, [](uint32_t row) { return (row + 3) % 5; })), image);
  }
}

TEST(PngDecoder, JoinsImageDataChunksAndSkipsAncillaryOnes) {
  const Image image = MakeImage(6, 4, 4);
  const Bytes compressed = Compress(FilterRows(image, [](uint32_t) { return 4; }));
  const size_t half = compressed.size() / 2;
  const Bytes png =
      Png({HeaderChunk(image.width, image.height, kRgba), Chunk("tEXt", {'a', 0, 'b'}),
           Chunk("IDAT", Bytes(compressed.begin(), compressed.begin() + half)), Chunk("IDAT", {}),
           Chunk("IDAT", Bytes(compressed.begin() + half, compressed.end())), Chunk("IEND", {})});
  ExpectPixels(png::Decode(png), image);
}

TEST(PngDecoder, BannerHasItsSizeAndSoftEdges) {
  const Picture banner = png::Decode(resources::BannerPng());
  ASSERT_EQ(banner.width, 437);
  ASSERT_EQ(banner.height, 67);
  EXPECT_TRUE(banner.hasAlpha);
  int opaque = 0, partial = 0;
  for (uint32_t pixel : banner.pixels) {
    const uint32_t alpha = pixel >> 24;
    if (alpha == 255) ++opaque;
    if (alpha > 0 && alpha < 255) ++partial;
  }
  EXPECT_GT(opaque, 437 * 50);
  EXPECT_GT(partial, 0);
  EXPECT_EQ(banner.At(0, 0) >> 24, 0u);  // rounded corner
}

TEST(PngDecoder, TruncatedInputGivesAnEmptyPicture) {
  const Bytes png = Encode(MakeImage(4, 3, 3), [](uint32_t) { return 1; });
  ASSERT_FALSE(png::Decode(png).Empty());
  for (size_t length = 0; length < png.size(); ++length) {
    EXPECT_TRUE(png::Decode(png.data(), length).Empty()) << "length " << length;
  }
  EXPECT_TRUE(png::Decode(nullptr, 100).Empty());
}

TEST(PngDecoder, DamagedOrUnsupportedInputGivesAnEmptyPicture) {
  const Image image = MakeImage(4, 3, 4);
  const Bytes rows = FilterRows(image, [](uint32_t) { return 0; });
  const Bytes data = Compress(rows);
  const Bytes end = Chunk("IEND", {});
  auto withHeader = [&](const Bytes& header) { return Png({header, Chunk("IDAT", data), end}); };
  Bytes badFilter = rows;
  badFilter[0] = 5;
  Bytes badCrc = EncodeWithData(image, data);
  badCrc[30] ^= 1;  // inside the IHDR CRC
  Bytes extraRow = rows;
  extraRow.insert(extraRow.end(), rows.begin(), rows.begin() + 17);

  const struct {
    const char* what;
    Bytes png;
  } cases[] = {
      {"garbage", Bytes(64, 0xAB)},
      {"signature only", Png({})},
      {"no IEND", Png({HeaderChunk(4, 3, kRgba), Chunk("IDAT", data)})},
      {"no IHDR", Png({Chunk("IDAT", data), end})},
      {"two IHDR",
       Png({HeaderChunk(4, 3, kRgba), HeaderChunk(4, 3, kRgba), Chunk("IDAT", data), end})},
      {"short IHDR", Png({Chunk("IHDR", {0, 0, 0, 4}), Chunk("IDAT", data), end})},
      {"bad CRC", badCrc},
      {"16-bit", withHeader(HeaderChunk(4, 3, kRgba, 16))},
      {"grey", withHeader(HeaderChunk(4, 3, 0))},
      {"palette", withHeader(HeaderChunk(4, 3, 3))},
      {"grey alpha", withHeader(HeaderChunk(4, 3, 4))},
      {"interlaced", withHeader(HeaderChunk(4, 3, kRgba, 8, 1))},
      {"zero width", withHeader(HeaderChunk(0, 3, kRgba))},
      {"huge", withHeader(HeaderChunk(100000, 100000, kRgba))},
      {"too wide", withHeader(HeaderChunk(0xFFFFFFFFu, 1, kRgba))},
      {"unknown critical chunk",
       Png({HeaderChunk(4, 3, kRgba), Chunk("ZZZZ", {}), Chunk("IDAT", data), end})},
      {"bad filter type", EncodeWithData(image, Compress(badFilter))},
      {"too little data", EncodeWithData(image, Compress(Bytes(rows.begin(), rows.end() - 1)))},
      {"too much data", EncodeWithData(image, Compress(extraRow))},
      {"not zlib", EncodeWithData(image, Bytes(40, 0x55))},
      {"oversized chunk length",
       Png({HeaderChunk(4, 3, kRgba), Bytes{0x7F, 0xFF, 0xFF, 0xFF, 'I', 'D', 'A', 'T'}})},
  };
  for (const auto& c : cases) EXPECT_TRUE(png::Decode(c.png).Empty()) << c.what;
}

TEST(PngDecoder, CorruptCompressedDataGivesAnEmptyPicture) {
  // The chunk CRCs are recomputed, so only zlib's own checks can catch these.
  const Image image = MakeImage(5, 4, 4);
  const Bytes data = Compress(FilterRows(image, [](uint32_t row) { return row % 5; }));
  for (size_t i = 0; i < data.size(); ++i) {
    Bytes damaged = data;
    damaged[i] ^= 0x5A;
    EXPECT_TRUE(png::Decode(EncodeWithData(image, damaged)).Empty()) << "byte " << i;
  }
}

}  // namespace
