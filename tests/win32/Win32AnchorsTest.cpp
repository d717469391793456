// Anchored children in real windows: the model moves them, the windows follow, also when the
// user resizes the form.
#include "ui/win32/WinApi.h"

#include "tests/win32/Win32Fixture.h"

namespace {

using namespace win32test;
using namespace ui;

// Where a child window sits in its parent's client area.
RECT InParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(Win32Ui, AnchoredChildrenFollowAResizeByTheUser) {
  TForm form(&Application(), "FormWin32Anchors");
  form.SetBorderStyle(TBorderStyle::Sizeable);
  form.SetClientSize(300, 200);
  TButton ok(&form, "ButtonOK", &form, {210, 160, 80, 25}, "OK");
  ok.SetAnchors(akRight | akBottom);
  TEdit edit(&form, "Edit1", &form, {10, 10, 280, 21});
  edit.SetAnchors(akLeft | akTop | akRight);
  TImage mark(&form, "Mark", &form, {282, 2, 8, 8});
  mark.SetAnchors(akTop | akRight);
  form.Show();
  Settle();

  // The user drags the frame 100 px wider and 50 px higher.
  RECT outer;
  GetWindowRect(Hwnd(form), &outer);
  SetWindowPos(Hwnd(form), nullptr, 0, 0, outer.right - outer.left + 100,
               outer.bottom - outer.top + 50, SWP_NOMOVE | SWP_NOZORDER);
  Settle();
  EXPECT_EQ(form.ClientWidth(), 400);
  EXPECT_EQ(form.ClientHeight(), 250);
  EXPECT_EQ(ok.Left(), 310);
  EXPECT_EQ(ok.Top(), 210);
  EXPECT_EQ(edit.Width(), 380);
  EXPECT_EQ(mark.Left(), 382);
  RECT button = InParent(Hwnd(ok));
  EXPECT_EQ(button.left, 310);
  EXPECT_EQ(button.top, 210);
  RECT field = InParent(Hwnd(edit));
  EXPECT_EQ(field.right - field.left, 380);

  // And the program makes it smaller again.
  form.SetClientSize(300, 200);
  Settle();
  button = InParent(Hwnd(ok));
  EXPECT_EQ(button.left, 210);
  EXPECT_EQ(button.top, 160);
  EXPECT_EQ(mark.Left(), 282);
}

}  // namespace
