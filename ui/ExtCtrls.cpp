#include "ui/ExtCtrls.h"

namespace ui {

TImage::TImage(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TGraphicControl(owner, name, parent, bounds) {}

void TImage::SetPicture(PictureRef picture) {
  picture_ = std::move(picture);
  systemIcon_ = 0;
  Changed(Change::Picture);
}

void TImage::SetSystemIcon(int id) {
  systemIcon_ = id;
  picture_.reset();
  Changed(Change::Picture);
}

void TImage::SetStretch(bool s) {
  if (s == stretch_) return;
  stretch_ = s;
  Changed(Change::Style);
}

void TImage::SetTransparent(bool t) {
  if (t == transparent_) return;
  transparent_ = t;
  Changed(Change::Style);
}

void TImage::SetCenter(bool c) {
  if (c == center_) return;
  center_ = c;
  Changed(Change::Style);
}

TShape::TShape(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TGraphicControl(owner, name, parent, bounds) {}

void TShape::SetShape(TShapeType s) {
  if (s == shape_) return;
  shape_ = s;
  Changed(Change::Style);
}

void TShape::SetBrushColor(TColor c) {
  if (c == brush_) return;
  brush_ = c;
  Changed(Change::Color);
}

void TShape::SetPenColor(TColor c) {
  if (c == pen_) return;
  pen_ = c;
  Changed(Change::Color);
}

TSpeedButton::TSpeedButton(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds,
                           TextArg caption)
    : TGraphicControl(owner, name, parent, bounds) {
  SetCaption(caption.Text);
}

void TSpeedButton::SetGlyph(PictureRef glyph) {
  glyph_ = std::move(glyph);
  Changed(Change::Picture);
}

void TSpeedButton::SetFlat(bool f) {
  if (f == flat_) return;
  flat_ = f;
  Changed(Change::Style);
}

bool TSpeedButton::DialogChar(char ch) {
  if (!Enabled() || !IsAccel(ch, Caption())) return false;
  UserClick();
  return true;
}

TTimer::TTimer(TComponent* owner, TextArg name, unsigned interval, bool enabled)
    : TComponent(owner, name), interval_(interval), enabled_(enabled) {}

TTimer::~TTimer() { CurrentBackend().TimerDestroyed(*this); }

void TTimer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  CurrentBackend().TimerChanged(*this);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  CurrentBackend().TimerChanged(*this);
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  CurrentBackend().TimerChanged(*this);
}

void TTimer::Fire() {
  if (!Active()) return;
  // A copy: the handler may destroy this timer.
  TNotifyEvent handler = onTimer_;
  handler(this);
}

}  // namespace ui
