// A decoded picture: top-down rows of 0x00RRGGBB pixels. Reads Windows BMP files.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, std::uint32_t fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::uint32_t Pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
  void SetPixel(int x, int y, std::uint32_t rgb) { pixels_[std::size_t(y) * width_ + x] = rgb; }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  // The classic rule for transparent pictures: the bottom-left pixel's colour is see-through.
  std::uint32_t TransparentColor() const { return Empty() ? 0 : Pixel(0, height_ - 1); }

  // The classic look of a disabled glyph: the picture's dark parts (the see-through colour
  // and light pixels left out) as a shape in shadow, over a copy in highlight one pixel down
  // and to the right; everything else see-through (the bottom-left pixel's colour).
  Bitmap Disabled(std::uint32_t shadow, std::uint32_t highlight) const;

  // BMP file bytes (with or without the 14-byte file header); nullopt when not a BMP we read
  // (1, 4, 8, 24 and 32 bits per pixel, uncompressed or BI_BITFIELDS for 32 bits).
  static std::optional<Bitmap> FromBmp(std::string_view bytes);
  static std::optional<Bitmap> LoadFromFile(const std::string& path);
  // One of the pictures compiled into the program (resources/*.bmp by upper-case base name).
  static std::shared_ptr<const Bitmap> Builtin(const char* name);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

using PictureRef = std::shared_ptr<const Bitmap>;

}  // namespace ui
