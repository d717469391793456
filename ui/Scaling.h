// Design values and screen pixels. Windows are designed at 96 pixels per inch and the model
// keeps those values; the win32 backend shows them at the DPI of the monitor a window is on,
// rounding as the system rounds (MulDiv), so our sizes agree with the ones it scales itself.
#pragma once
#include "system/Types.h"

namespace ui {

constexpr int kDesignDpi = 96;

// number × numerator ÷ denominator, rounded to the nearest integer with halves away from zero;
// -1 when the denominator is 0 or the result does not fit, as Windows' MulDiv.
int MulDiv(int number, int numerator, int denominator);

struct Scaling {
  int Dpi = kDesignDpi;

  bool Identity() const { return Dpi == kDesignDpi; }
  double Factor() const { return double(Dpi) / kDesignDpi; }
  int ToPixels(int design) const;
  int ToDesign(int pixels) const;
  // Both edges scaled, so that controls that touch or keep apart in the design still do.
  sys::Rect ToPixels(const sys::Rect& design) const;
  sys::Rect ToDesign(const sys::Rect& pixels) const;
  // A length that must hold at least what it held at 96 DPI (a line of text), rounded up.
  int ToPixelsAtLeast(int design) const;
  // A length measured in pixels (a text's width) as a design length that shows at least
  // that long wherever it starts.
  int DesignLength(int pixels) const;
};

}  // namespace ui
