#include "ui/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "system/Files.h"
#include "system/Resources.h"

namespace ui {

namespace {

std::uint32_t Le32(const unsigned char* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}
std::uint16_t Le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

// Run-length coded 8-bit rows (BI_RLE8), bottom row first: pairs of a count and an index,
// or after a zero a line end (0), the picture's end (1), a jump (2, dx, dy) or a literal run
// of that many indices padded to a whole word. Pixels left out keep the first colour; data
// that runs past the picture or the bytes ends the picture there.
void DecodeRle8(const unsigned char* p, const unsigned char* end, int width, int height,
                const std::vector<std::uint32_t>& palette, Bitmap& bmp) {
  auto colour = [&](unsigned index) { return index < palette.size() ? palette[index] : 0u; };
  int x = 0, row = 0;
  auto put = [&](unsigned index) {
    if (x < width && row < height) bmp.SetPixel(x, height - 1 - row, colour(index));
    ++x;
  };
  while (end - p >= 2 && row < height) {
    const unsigned count = p[0], value = p[1];
    p += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) put(value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (end - p < 2) return;
      x += p[0];
      row += p[1];
      p += 2;
    } else {
      const std::size_t padded = (value + 1u) & ~1u;
      if (std::size_t(end - p) < padded) return;
      for (unsigned i = 0; i < value; ++i) put(p[i]);
      p += padded;
    }
  }
}

}  // namespace

Bitmap::Bitmap(int width, int height, std::uint32_t fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * height, fill) {}

Bitmap Bitmap::Disabled(std::uint32_t shadow, std::uint32_t highlight) const {
  // A see-through colour that is neither of the two.
  std::uint32_t clear = 0xFF00FF;
  while (clear == shadow || clear == highlight) clear ^= 0x00FF00;
  Bitmap out(width_, height_, clear);
  const std::uint32_t transparent = TransparentColor();
  auto dark = [&](int x, int y) {
    const std::uint32_t p = Pixel(x, y);
    if (p == transparent) return false;
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return (r * 30 + g * 59 + b * 11) / 100 < 192;
  };
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (dark(x, y) && x + 1 < width_ && y + 1 < height_) out.SetPixel(x + 1, y + 1, highlight);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (dark(x, y)) out.SetPixel(x, y, shadow);
  return out;
}

std::optional<Bitmap> Bitmap::FromBmp(std::string_view bytes) {
  auto data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t size = bytes.size();
  std::size_t base = 0;  // start of the info header
  std::size_t pixelOffset = 0;
  if (size >= 14 && data[0] == 'B' && data[1] == 'M') {
    base = 14;
    pixelOffset = Le32(data + 10);
  }
  if (size < base + 40) return std::nullopt;
  const unsigned char* info = data + base;
  std::uint32_t headerSize = Le32(info);
  if (headerSize < 40 || base + headerSize > size) return std::nullopt;
  std::int32_t width = std::int32_t(Le32(info + 4));
  std::int32_t height = std::int32_t(Le32(info + 8));
  std::uint16_t bits = Le16(info + 14);
  std::uint32_t compression = Le32(info + 16);
  std::uint32_t colorsUsed = Le32(info + 32);
  bool topDown = height < 0;
  // The most negative height has no positive twin.
  if (height == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > 10000 || height > 10000) return std::nullopt;
  const bool rle8 = compression == 1 && bits == 8 && !topDown;
  if (!(compression == 0 || rle8 || (compression == 3 && bits == 32))) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;

  std::size_t paletteStart = base + headerSize;
  if (compression == 3 && headerSize == 40) paletteStart += 12;  // the three masks
  std::vector<std::uint32_t> palette;
  if (bits <= 8) {
    std::size_t count = colorsUsed ? colorsUsed : (1u << bits);
    if (count > 256 || paletteStart + count * 4 > size) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
      const unsigned char* q = data + paletteStart + i * 4;
      palette.push_back(std::uint32_t(q[2]) << 16 | std::uint32_t(q[1]) << 8 | q[0]);
    }
    if (!pixelOffset) pixelOffset = paletteStart + count * 4;
  } else if (!pixelOffset) {
    pixelOffset = paletteStart;
  }
  if (rle8) {
    // A few coded bytes can stand for a huge picture: no skin picture is larger than this.
    if (pixelOffset >= size || std::size_t(width) * std::size_t(height) > 4000000)
      return std::nullopt;
    Bitmap bmp(width, height, palette.empty() ? 0 : palette[0]);
    DecodeRle8(data + pixelOffset, data + size, width, height, palette, bmp);
    return bmp;
  }
  std::size_t stride = ((std::size_t(width) * bits + 31) / 32) * 4;
  if (pixelOffset + stride * height > size) return std::nullopt;

  Bitmap bmp(width, height);
  for (int row = 0; row < height; ++row) {
    const unsigned char* src = data + pixelOffset + stride * row;
    int y = topDown ? row : height - 1 - row;
    for (int x = 0; x < width; ++x) {
      std::uint32_t rgb = 0;
      switch (bits) {
        case 32:
        case 24: {
          const unsigned char* p = src + x * (bits / 8);
          rgb = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
          break;
        }
        default: {
          int perByte = 8 / bits;
          int shift = (perByte - 1 - x % perByte) * bits;
          unsigned index = (src[x / perByte] >> shift) & ((1u << bits) - 1);
          rgb = index < palette.size() ? palette[index] : 0;
        }
      }
      bmp.SetPixel(x, y, rgb);
    }
  }
  return bmp;
}

std::optional<Bitmap> Bitmap::LoadFromFile(const std::string& path) {
  auto bytes = sys::files::ReadAll(path);
  if (!bytes) return std::nullopt;
  return FromBmp(*bytes);
}

std::shared_ptr<const Bitmap> Bitmap::Builtin(const char* name) {
  // Shared while anyone holds it: the settings dialog shows the very pictures the gauge
  // holds, and so neither decodes nor keeps them twice. A few dozen names at most; the
  // windows and so these pictures all belong to the one GUI thread.
  static std::vector<std::pair<std::string, std::weak_ptr<const Bitmap>>> shared;
  auto known = std::find_if(shared.begin(), shared.end(),
                            [name](const auto& entry) { return entry.first == name; });
  if (known != shared.end()) {
    if (auto alive = known->second.lock()) return alive;
  }
  auto bytes = sys::BuiltinResource(name);
  if (bytes.empty()) return nullptr;
  auto bmp = FromBmp(bytes);
  if (!bmp) return nullptr;
  auto picture = std::make_shared<const Bitmap>(std::move(*bmp));
  if (known != shared.end())
    known->second = picture;
  else
    shared.emplace_back(name, picture);
  return picture;
}

}  // namespace ui
