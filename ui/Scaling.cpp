#include "ui/Scaling.h"

#include <cstdint>
#include <limits>

namespace ui {

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = std::int64_t(number) * numerator;
  // The magnitudes rounded half up, then the sign: nearest, halves away from zero.
  const std::int64_t n = product < 0 ? -product : product;
  const std::int64_t d = denominator < 0 ? -std::int64_t(denominator) : denominator;
  const std::int64_t magnitude = (n + d / 2) / d;
  const std::int64_t result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
    return -1;
  return int(result);
}

int Scaling::ToPixels(int design) const {
  return Identity() ? design : MulDiv(design, Dpi, kDesignDpi);
}

int Scaling::ToDesign(int pixels) const {
  return Identity() ? pixels : MulDiv(pixels, kDesignDpi, Dpi);
}

sys::Rect Scaling::ToPixels(const sys::Rect& r) const {
  return {ToPixels(r.Left), ToPixels(r.Top), ToPixels(r.Right), ToPixels(r.Bottom)};
}

sys::Rect Scaling::ToDesign(const sys::Rect& r) const {
  return {ToDesign(r.Left), ToDesign(r.Top), ToDesign(r.Right), ToDesign(r.Bottom)};
}

int Scaling::ToPixelsAtLeast(int design) const {
  if (Identity() || design <= 0) return design;
  return int((std::int64_t(design) * Dpi + kDesignDpi - 1) / kDesignDpi);
}

int Scaling::DesignLength(int pixels) const {
  if (Identity() || pixels <= 0) return pixels;
  // Rounded up. Each scaled edge is off by less than half a pixel on one side (halves round
  // away from zero), so a design length d shows more than d * Dpi / 96 - 1 pixels, a whole
  // number: at least the measure wherever it starts. A pixel more would push a text that
  // fits at 96 DPI past its place (a gauge word beside the gauge's end).
  return int((std::int64_t(pixels) * kDesignDpi + Dpi - 1) / Dpi);
}

}  // namespace ui
