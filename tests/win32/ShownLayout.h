// A window's layout as the screen shows it, at whatever DPI: the real windows' rectangles and
// the pixels its windowless controls are painted in, with the fonts they are drawn in. For
// every control of every form, whatever it holds: each shown control lies inside its parent's
// client area, no two shown siblings overlap, and no caption is cut. A picture with a
// see-through label over it (the settings' gauge previews) is one thing, and sheets of a
// page control share its area, and a picture over the whole window is its backdrop: those
// overlap on purpose.
#pragma once
#include "ui/win32/WinApi.h"
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/Ui.h"
#include "ui/win32/GraphicPainter.h"
#include "ui/win32/WindowPeer.h"

namespace win32test {

namespace shown {

inline std::string Name(const ui::TControl& c) { return c.Name().empty() ? "?" : c.Name(); }

inline bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline bool PictureOrCaption(const ui::TControl& c) {
  if (dynamic_cast<const ui::TImage*>(&c)) return true;
  auto* label = dynamic_cast<const ui::TLabel*>(&c);
  return label && label->Transparent();
}

// A picture over the whole window, which the other controls lie on (the about dialog's).
inline bool Backdrop(const ui::TControl& c, const RECT& r, const RECT& client) {
  return dynamic_cast<const ui::TImage*>(&c) && r.left <= 0 && r.top <= 0 &&
         r.right >= client.right && r.bottom >= client.bottom;
}

// The text's extent in a font, single line or wrapped at width.
inline SIZE TextExtent(HDC dc, HFONT font, const std::string& text, UINT flags, int width) {
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &r, flags | DT_CALCRECT);
  SelectObject(dc, old);
  return {r.right - r.left, r.bottom - r.top};
}

// What a control's caption lacks of room in its pixels ("" when it has room): labels as they
// are painted; buttons, check boxes, radio buttons and group boxes in the font their window
// has, with the room the system's drawing takes beside the text (as at 96 DPI, in proportion).
inline std::string CaptionCut(const ui::TControl& c, const RECT& r,
                              const ui::win32::WindowPeer& holder, HDC dc) {
  const std::string text = ui::StripAccelerator(c.Caption());
  if (text.empty()) return "";
  auto lacks = [](SIZE needed, int width, int height) {
    if (needed.cx <= width && needed.cy <= height) return std::string();
    return std::to_string(needed.cx) + " x " + std::to_string(needed.cy) + " in " +
           std::to_string(width) + " x " + std::to_string(height);
  };
  const ui::Scaling& s = holder.Scale();
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (auto* label = dynamic_cast<const ui::TLabel*>(&c)) {
    const HFONT font = holder.Backend().FontFor(label->Font(), s.Dpi);
    const UINT flags = ui::win32::LabelTextFlags(label->Alignment(), label->WordWrap(), true);
    return lacks(TextExtent(dc, font, c.Caption(), flags, label->WordWrap() ? width : 0), width,
                 height);
  }
  int beside = 0;
  if (dynamic_cast<const ui::TCheckBox*>(&c) || dynamic_cast<const ui::TRadioButton*>(&c))
    beside = s.ToPixels(18);
  else if (dynamic_cast<const ui::TButton*>(&c))
    beside = s.ToPixels(8);
  else if (dynamic_cast<const ui::TGroupBox*>(&c))
    beside = s.ToPixels(16);
  else
    return "";
  auto* win = dynamic_cast<const ui::TWinControl*>(&c);
  HWND window = reinterpret_cast<HWND>(win->GetPeer()->Handle());
  const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  const SIZE e = TextExtent(dc, font, text, DT_SINGLELINE, 0);
  // A group box's caption sits on its frame, above its area.
  const bool box = dynamic_cast<const ui::TGroupBox*>(&c) != nullptr;
  return lacks({e.cx + beside, box ? 0 : e.cy}, width, height);
}

inline void CheckChildren(ui::TWinControl& parent, std::vector<std::string>& faults, HDC dc) {
  auto* holder = dynamic_cast<ui::win32::WindowPeer*>(parent.GetPeer());
  if (!holder) return;
  HWND window = holder->Hwnd();
  RECT client;
  GetClientRect(window, &client);
  std::vector<std::pair<ui::TControl*, RECT>> placed;
  for (ui::TControl* c : parent.Controls()) {
    if (!c->Visible()) continue;
    RECT r = holder->PixelRect(*c);
    auto* win = dynamic_cast<ui::TWinControl*>(c);
    if (win && win->GetPeer()) {
      GetWindowRect(reinterpret_cast<HWND>(win->GetPeer()->Handle()), &r);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    }
    if (r.right <= r.left || r.bottom <= r.top) continue;
    if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
      faults.push_back(Name(*c) + " outside " + Name(parent));
    const std::string cut = CaptionCut(*c, r, *holder, dc);
    if (!cut.empty()) faults.push_back(Name(*c) + " cut, " + cut + ": \"" + c->Caption() + '"');
    if (win) CheckChildren(*win, faults, dc);
    if (dynamic_cast<ui::TTabSheet*>(c) || Backdrop(*c, r, client)) continue;
    for (const auto& [other, at] : placed)
      if (Overlap(r, at) && !(PictureOrCaption(*c) && PictureOrCaption(*other)))
        faults.push_back(Name(*other) + " / " + Name(*c));
    placed.emplace_back(c, r);
  }
  // Every tab shows whole.
  if (auto* pages = dynamic_cast<ui::TPageControl*>(&parent)) {
    const int tabs = int(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0));
    RECT last{};
    if (tabs > 0 && SendMessageA(window, TCM_GETITEMRECT, WPARAM(tabs - 1), LPARAM(&last)) &&
        last.right > client.right)
      faults.push_back(Name(*pages) + ": tabs cut");
  }
}

}  // namespace shown

// "A / B" for siblings that overlap, "A outside P", "A cut, ..." for a caption without room.
inline std::vector<std::string> ShownLayoutFaults(ui::TForm& form) {
  std::vector<std::string> faults;
  HDC dc = GetDC(nullptr);
  shown::CheckChildren(form, faults, dc);
  ReleaseDC(nullptr, dc);
  return faults;
}

}  // namespace win32test
