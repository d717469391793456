// The settings dialog's layout, checked in whatever fonts the backend measures with (the
// headless metrics natively, the system's real fonts under Windows): no control overlaps a
// sibling or leaves its parent, and every check box, radio button and button has room for
// its caption.
#pragma once
#include <gtest/gtest.h>

#include "ui/Ui.h"

namespace testing_support {

inline bool Overlap(const ui::TControl& a, const ui::TControl& b) {
  return a.Left() < b.Right() && b.Left() < a.Right() && a.Top() < b.Bottom() &&
         b.Top() < a.Bottom();
}

// The preview pictures and the "TEXT" labels over them are meant to lie on each other.
inline bool PreviewPart(const ui::TControl& c) {
  if (dynamic_cast<const ui::TImage*>(&c)) return true;
  for (const char* name : {"Label3", "Label4", "Label5", "Label10"})
    if (c.Name() == name) return true;
  return false;
}

inline void ExpectTidyLayout(const ui::TWinControl& parent) {
  const auto& children = parent.Controls();
  for (std::size_t i = 0; i < children.size(); ++i) {
    const ui::TControl& a = *children[i];
    // The sheets share the page control's area: each is checked on its own.
    if (dynamic_cast<const ui::TTabSheet*>(&a)) {
      ExpectTidyLayout(static_cast<const ui::TWinControl&>(a));
      continue;
    }
    if (a.Width() == 0) continue;  // an empty label
    const int text = ui::CurrentBackend().MeasureText(a.Font(), a.Caption(), 0).Width;
    if (dynamic_cast<const ui::TCheckBox*>(&a) || dynamic_cast<const ui::TRadioButton*>(&a)) {
      EXPECT_LE(text + 20, a.Width()) << a.Name() << ": \"" << a.Caption() << '"';
    }
    if (dynamic_cast<const ui::TButton*>(&a)) {
      EXPECT_LE(text + 8, a.Width()) << a.Name() << ": \"" << a.Caption() << '"';
    }
    EXPECT_GE(a.Left(), 0) << a.Name();
    EXPECT_GE(a.Top(), 0) << a.Name();
    EXPECT_LE(a.Right(), parent.ClientWidth()) << a.Name() << " in " << parent.Name();
    EXPECT_LE(a.Bottom(), parent.ClientHeight()) << a.Name() << " in " << parent.Name();
    for (std::size_t j = i + 1; j < children.size(); ++j) {
      const ui::TControl& b = *children[j];
      if (b.Width() == 0 || (PreviewPart(a) && PreviewPart(b))) continue;
      EXPECT_FALSE(Overlap(a, b)) << a.Name() << " and " << b.Name();
    }
    if (auto* inner = dynamic_cast<const ui::TWinControl*>(&a)) ExpectTidyLayout(*inner);
  }
}

}  // namespace testing_support
