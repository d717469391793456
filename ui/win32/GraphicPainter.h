// Painting of windowless controls (labels, images, shapes, speed buttons) by the window
// that holds them, in z-order, each clipped to its own bounds, at the holder's scaling:
// places, fonts and pens scaled from their design values, pictures stretched pixel by pixel.
#pragma once
#include "ui/win32/WinApi.h"

#include "ui/Controls.h"
#include "ui/Scaling.h"
#include "ui/win32/BackendImpl.h"

namespace ui::win32 {

// pressed: a speed button held down by the mouse (drawn sunken), or null.
void PaintGraphicChildren(HDC dc, const TWinControl& holder, Win32Backend& backend,
                          const Scaling& scaling, const TControl* pressed);
// One windowless control at its place in dc (holder client coordinates).
void PaintGraphic(HDC dc, const TControl& control, Win32Backend& backend, const Scaling& scaling,
                  bool pressed);
// A control's place in its holder's client area, in pixels.
RECT PixelBounds(const TControl& control, const Scaling& scaling);
// The DrawText flags a label uses; showAccel: "&x" shows x underlined.
UINT LabelTextFlags(TAlignment alignment, bool wordWrap, bool showAccel);

}  // namespace ui::win32
