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
  auto cursorOver = [&](const TControl& c) {
    POINT at{c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    Settle();
    Send(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(cursorOver(form.LabelLink), hand);
  EXPECT_EQ(cursorOver(form.LabelPlain), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(cursorOver(form.LabelLink), hand);
  // A busy program's screen cursor holds over the link too.
  Application().SetScreenCursor(crHourGlass);
  EXPECT_EQ(cursorOver(form.LabelLink), LoadCursor(nullptr, IDC_WAIT));
  Application().SetScreenCursor(crDefault);
}

}  // namespace
