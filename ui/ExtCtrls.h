// Pictures, shapes, speed buttons and timers.
#pragma once
#include <functional>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/Controls.h"

namespace ui {

class TImage : public TGraphicControl {
 public:
  TImage(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  const PictureRef& Picture() const { return picture_; }
  void SetPicture(PictureRef picture);
  // A stock system icon (LoadIcon(null, id)) instead of a picture; 0 = none.
  int SystemIcon() const { return systemIcon_; }
  void SetSystemIcon(int id);
  // The picture's own size (0 when there is none); what scaling works from.
  int PictureWidth() const { return picture_ ? picture_->Width() : 0; }
  int PictureHeight() const { return picture_ ? picture_->Height() : 0; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool s);
  // The colour of the picture's bottom-left pixel is see-through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t);
  bool Center() const { return center_; }
  void SetCenter(bool c);

 private:
  PictureRef picture_;
  int systemIcon_ = 0;
  bool stretch_ = false;
  bool transparent_ = false;
  bool center_ = false;
};

class TShape : public TGraphicControl {
 public:
  TShape(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType s);
  TColor BrushColor() const { return brush_; }
  void SetBrushColor(TColor c);
  TColor PenColor() const { return pen_; }
  void SetPenColor(TColor c);

 private:
  TShapeType shape_ = TShapeType::Rectangle;
  TColor brush_ = clWhite;
  TColor pen_ = clBlack;
};

// A surface the program draws on itself, painted by its window like the other windowless
// controls: OnPaint draws on a canvas whose (0, 0) is the box's top left corner, clipped to
// the box, each time the window paints it (a change of size, Repaint()).
class TPaintBox : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  std::function<void(TObject* sender, TCanvas& canvas)> OnPaint;
  // Runs OnPaint (backends call this when they paint the box).
  // The handler gets the box as its sender, as every event does.
  void Paint(TCanvas& canvas) const {
    if (OnPaint) OnPaint(const_cast<TPaintBox*>(this), canvas);
  }
};

// A flat button painted by its window (not a kind of TButton).
class TSpeedButton : public TGraphicControl {
 public:
  TSpeedButton(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
               TextArg caption = {});
  const PictureRef& Glyph() const { return glyph_; }
  void SetGlyph(PictureRef glyph);
  bool Flat() const { return flat_; }
  void SetFlat(bool f);
  // Its accelerator clicks it (while it is enabled).
  bool DialogChar(char ch) override;

 private:
  PictureRef glyph_;
  bool flat_ = false;
};

// Fires OnTimer every Interval ms while Enabled (and OnTimer is set). Enabling it, or
// changing its interval, starts the interval afresh. A timer may destroy itself from its
// own OnTimer.
class TTimer : public TComponent {
 public:
  TTimer(TComponent* owner, TextArg name, unsigned interval = 1000, bool enabled = true);
  ~TTimer() override;
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether it will fire: enabled, a non-zero interval and a handler.
  bool Active() const { return enabled_ && interval_ > 0 && static_cast<bool>(onTimer_); }
  void SetOnTimer(TNotifyEvent handler);
  // Runs the handler (backends call this when the interval elapses).
  void Fire();

 private:
  unsigned interval_;
  bool enabled_;
  TNotifyEvent onTimer_;
};

}  // namespace ui
