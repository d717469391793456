// How windowless controls look and feel on real windows: a disabled speed button greyed
// (glyph and caption), and the hand cursor over a link label.
#include "ui/win32/WinApi.h"

#include <string>

#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"
#include "tests/win32/Win32SampleForm.h"

namespace {

using namespace win32test;
using namespace ui;

struct LookForm : TForm {
  explicit LookForm(TComponent* owner) : TForm(owner, "FormLook") {
    SetBorderStyle(TBorderStyle::Dialog);
    SetBounds(80, 80, 0, 0);
    SetClientSize(200, 90);
    SetCaption("Look");
    for (TSpeedButton* b : {&SpeedOn, &SpeedOff}) b->SetGlyph(StripesPicture(16, 16));
    SpeedOff.SetEnabled(false);
    LabelLink.SetCursor(crHandPoint);
    TFont link = LabelLink.Font();
    link.Color = clBlue;
    link.Underline = true;
    LabelLink.SetFont(link);
  }
  TSpeedButton SpeedOn{this, "SpeedOn", this, {8, 8, 80, 28}, "Go"};
  TSpeedButton SpeedOff{this, "SpeedOff", this, {100, 8, 80, 28}, "Go"};
  TLabel LabelLink{this, "LabelLink", this, {8, 50, 105, 16}, "www.example.org"};
  TLabel LabelPlain{this, "LabelPlain", this, {125, 50, 70, 16}, "Plain text"};
};

int CountIn(const screenshot::Capture& shot, const TControl& c, std::uint32_t rgb) {
  int n = 0;
  for (int y = c.Top(); y < c.Bottom(); ++y)
    for (int x = c.Left(); x < c.Right(); ++x) n += shot.Pixel(x, y) == rgb ? 1 : 0;
  return n;
}

std::uint32_t SysRgb(int index) {
  const COLORREF c = GetSysColor(index);
  return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

class Win32ControlLook : public Win32Ui {};

TEST_F(Win32ControlLook, DisabledSpeedButtonIsGreyed) {
  LookForm form(&Application());
  form.Show();
  Settle();
  const screenshot::Capture shot = screenshot::PrintClient(form.Handle());
  ASSERT_FALSE(shot.Empty());
  const std::uint32_t red = 0xFF0000, black = 0x000000;
  // Enabled: the glyph's colours and the black caption.
  EXPECT_GT(CountIn(shot, form.SpeedOn, red), 10);
  EXPECT_GT(CountIn(shot, form.SpeedOn, black), 5);
  // Disabled: none of them; the glyph as a shadow-grey shape, the caption in grey text.
  EXPECT_EQ(CountIn(shot, form.SpeedOff, red), 0);
  EXPECT_EQ(CountIn(shot, form.SpeedOff, black), 0);
  EXPECT_GT(CountIn(shot, form.SpeedOff, SysRgb(COLOR_BTNSHADOW)), 16 * 12);
  EXPECT_GT(CountIn(shot, form.SpeedOff, SysRgb(COLOR_GRAYTEXT)), 5);
  EXPECT_TRUE(shot.Scaled(3).SavePng("..\\screenshots\\win32-speed-buttons.png"));
}

TEST_F(Win32ControlLook, LinkLabelShowsTheHandCursor) {
  LookForm form(&Application());
  form.Show();
  Settle();
  HWND window = Hwnd(form);
  // The cursor the window sets with the pointer over a control's middle. The X server may
  // still deliver an older pointer motion after the warp (more so on a busy machine), and
  // the system sets the class cursor for it: put the pointer there and ask again until the
  // expected cursor shows or the deadline passes.
  auto cursorOver = [&](const TControl& c, HCURSOR expected) {
    POINT at{c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
    ClientToScreen(window, &at);
    HCURSOR shown = nullptr;
    SettleUntil([&] {
      SetCursorPos(at.x, at.y);
      Settle();
      Send(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      shown = GetCursor();
      return shown == expected;
    });
    return shown;
  };
  const HCURSOR hand = LoadCursor(nullptr, IDC_HAND), arrow = LoadCursor(nullptr, IDC_ARROW);
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(cursorOver(form.LabelLink, hand), hand);
  EXPECT_EQ(cursorOver(form.LabelPlain, arrow), arrow);
  EXPECT_EQ(cursorOver(form.LabelLink, hand), hand);
  // A busy program's screen cursor holds over the link too.
  Application().SetScreenCursor(crHourGlass);
  const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  EXPECT_EQ(cursorOver(form.LabelLink, wait), wait);
  Application().SetScreenCursor(crDefault);
}

// Draws over its whole surface and past it: a green field with a red cross from corner to
// corner, and a blue line that runs far outside the box.
struct PaintForm : TForm {
  explicit PaintForm(TComponent* owner) : TForm(owner, "FormPaint") {
    SetBorderStyle(TBorderStyle::Dialog);
    SetBounds(80, 80, 0, 0);
    SetClientSize(160, 120);
    Box.SetAnchors(akLeft | akTop | akRight | akBottom);
    Box.OnPaint = [this](TObject* sender, TCanvas& canvas) {
      ++paints;
      EXPECT_EQ(sender, &Box);
      const int w = Box.Width(), h = Box.Height();
      canvas.FillRect({0, 0, w, h}, TColor(0x00FF00));
      canvas.Polyline({{0, 0}, {w - 1, h - 1}}, clRed, 1);
      canvas.Polyline({{-100, 5}, {500, 5}}, clBlue, 3);
    };
  }
  TPaintBox Box{this, "Box", this, {20, 30, 100, 60}};
  int paints = 0;
};

TEST_F(Win32ControlLook, APaintBoxDrawsInItsOwnCoordinatesClippedToItself) {
  PaintForm form(&Application());
  form.Show();
  Settle();
  screenshot::Capture shot = screenshot::PrintClient(form.Handle());
  ASSERT_FALSE(shot.Empty());
  EXPECT_GT(form.paints, 0);
  const std::uint32_t green = 0x00FF00, red = 0xFF0000, blue = 0x0000FF;
  // The box's (0, 0) is its top left corner on the form.
  EXPECT_EQ(shot.Pixel(20 + 50, 30 + 45), green);
  // On the cross, where x / 100 = y / 60 (a pixel either way).
  auto redNear = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      if (shot.Pixel(x, y + dy) == red) return true;
    return false;
  };
  EXPECT_TRUE(redNear(20 + 40, 30 + 24));
  EXPECT_EQ(shot.Pixel(20 + 50, 30 + 5), blue);
  // Nothing outside the box, not even the line that runs past it.
  EXPECT_NE(shot.Pixel(10, 30 + 5), blue);
  EXPECT_NE(shot.Pixel(130, 30 + 5), blue);
  EXPECT_NE(shot.Pixel(20 + 50, 20), green);
  EXPECT_EQ(
      CountIn(shot, form.Box, green) + CountIn(shot, form.Box, red) + CountIn(shot, form.Box, blue),
      100 * 60);

  // The window grows: the box follows its anchors and is drawn anew, to its new size.
  const int before = form.paints;
  form.SetClientSize(260, 180);
  Settle();
  EXPECT_EQ(form.Box.Width(), 200);
  EXPECT_EQ(form.Box.Height(), 120);
  shot = screenshot::PrintClient(form.Handle());
  EXPECT_GT(form.paints, before);
  EXPECT_EQ(shot.Pixel(20 + 150, 30 + 100), green);
  EXPECT_TRUE(redNear(20 + 100, 30 + 60));
  EXPECT_TRUE(shot.Scaled(2).SavePng("..\\screenshots\\win32-paint-box.png"));
}

}  // namespace
