// Accelerators on real windows: "&x" shows x underlined (never a literal "&") on the
// controls we paint and on those the system paints, without Alt being pressed first. Alt+letter
// itself runs in the event rules (Win32EventRulesTest.cpp).
#include "ui/win32/WinApi.h"

#include <algorithm>
#include <string>

#include "tests/win32/Screenshot.h"
#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;
using namespace ui;

// Two of each kind, the same text with and without an accelerator.
struct CaptionForm : TForm {
  explicit CaptionForm(TComponent* owner) : TForm(owner, "FormCaptions") {
    SetBorderStyle(TBorderStyle::Dialog);
    SetBounds(60, 60, 0, 0);
    SetClientSize(330, 270);
    SetCaption("Accelerators");
    LabelAccel.SetFocusControl(&Edit);
    // Set after construction, so the labels take the size of their text.
    LabelAccel.SetCaption("&Name && more");
    LabelPlain.SetCaption("Name && more");
  }
  TEdit Edit{this, "Edit", this, {180, 8, 140, 21}};  // first in tab order: has the focus
  TLabel LabelAccel{this, "LabelAccel", this, {8, 8, 10, 10}};
  TLabel LabelPlain{this, "LabelPlain", this, {8, 30, 10, 10}};
  TButton ButtonAccel{this, "ButtonAccel", this, {8, 56, 75, 25}, "&Save"};
  TButton ButtonPlain{this, "ButtonPlain", this, {90, 56, 75, 25}, "Save"};
  TCheckBox CheckAccel{this, "CheckAccel", this, {8, 90, 120, 17}, "&Keep"};
  TCheckBox CheckPlain{this, "CheckPlain", this, {140, 90, 120, 17}, "Keep"};
  TGroupBox GroupAccel{this, "GroupAccel", this, {8, 116, 150, 40}, "&Group"};
  TGroupBox GroupPlain{this, "GroupPlain", this, {170, 116, 150, 40}, "Group"};
  TSpeedButton SpeedAccel{this, "SpeedAccel", this, {8, 170, 70, 25}, "&Up"};
  TSpeedButton SpeedPlain{this, "SpeedPlain", this, {90, 170, 70, 25}, "Up"};
  TPageControl PagesAccel{this, "PagesAccel", this, {8, 204, 150, 56}};
  TTabSheet SheetAccel{this, "SheetAccel", &PagesAccel, "&Tab"};
  TPageControl PagesPlain{this, "PagesPlain", this, {170, 204, 150, 56}};
  TTabSheet SheetPlain{this, "SheetPlain", &PagesPlain, "Tab"};
};

// Where two equal-sized captures differ.
struct Diff {
  int Count = 0;
  int Top = 1 << 20, Bottom = -1, Left = 1 << 20, Right = -1;
};

Diff Compare(const screenshot::Capture& a, const screenshot::Capture& b) {
  Diff d;
  if (a.Width != b.Width || a.Height != b.Height) return d;
  for (int y = 0; y < a.Height; ++y)
    for (int x = 0; x < a.Width; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) {
        ++d.Count;
        d.Top = std::min(d.Top, y);
        d.Bottom = std::max(d.Bottom, y);
        d.Left = std::min(d.Left, x);
        d.Right = std::max(d.Right, x);
      }
  return d;
}

screenshot::Capture Part(const screenshot::Capture& whole, const TControl& c) {
  screenshot::Capture part;
  part.Width = c.Width();
  part.Height = c.Height();
  for (int y = c.Top(); y < c.Bottom(); ++y)
    for (int x = c.Left(); x < c.Right(); ++x) part.Pixels.push_back(whole.Pixel(x, y));
  return part;
}

// The accelerator's capture differs from the plain one only by a short line (one or two
// pixels high, at most a letter wide): the underline, and no "&".
void ExpectUnderlineOnly(const screenshot::Capture& accel, const screenshot::Capture& plain,
                         const char* what) {
  SCOPED_TRACE(what);
  ASSERT_FALSE(accel.Empty());
  const Diff d = Compare(accel, plain);
  ASSERT_GT(d.Count, 2);
  EXPECT_LE(d.Bottom - d.Top, 1);
  EXPECT_LE(d.Right - d.Left, 12);
}

class Win32Accelerators : public Win32Ui {};

TEST_F(Win32Accelerators, CaptionsShowTheLetterUnderlined) {
  CaptionForm form(&Application());
  form.Show();
  Settle();
  Sleep(100);
  Settle();

  // Labels measure the text as shown: both are as wide.
  EXPECT_EQ(form.LabelAccel.Width(), form.LabelPlain.Width());
  const screenshot::Capture client = screenshot::PrintClient(form.Handle());
  ExpectUnderlineOnly(Part(client, form.LabelAccel), Part(client, form.LabelPlain), "label");
  ExpectUnderlineOnly(Part(client, form.SpeedAccel), Part(client, form.SpeedPlain), "speed button");
  auto window = [](TWinControl& c) { return screenshot::Window(c.Handle()); };
  ExpectUnderlineOnly(window(form.ButtonAccel), window(form.ButtonPlain), "button");
  ExpectUnderlineOnly(window(form.CheckAccel), window(form.CheckPlain), "check box");
  ExpectUnderlineOnly(window(form.GroupAccel), window(form.GroupPlain), "group box");
  ExpectUnderlineOnly(window(form.PagesAccel), window(form.PagesPlain), "tab");
  EXPECT_TRUE(screenshot::Window(form.Handle())
                  .Scaled(2)
                  .SavePng("..\\screenshots\\win32-accelerators.png"));
}

}  // namespace
