#include "profiles/FormProfilesOrder.h"

#include <memory>

namespace {

// An arrow for the tall buttons: a head and a stem, on a see-through background (the
// bottom-left pixel's colour).
ui::PictureRef Arrow(bool up, std::uint32_t colour) {
  constexpr int kWidth = 15, kHeight = 16;
  constexpr std::uint32_t kClear = 0xFF00FF;
  auto arrow = std::make_shared<ui::Bitmap>(kWidth, kHeight, kClear);
  for (int row = 0; row < kHeight; ++row) {
    const int half = row < 8 ? row : 2;
    const int y = up ? row : kHeight - 1 - row;
    for (int x = 7 - half; x <= 7 + half; ++x) arrow->SetPixel(x, y, colour);
  }
  return arrow;
}

}  // namespace

TFormProfilesOrder::TFormProfilesOrder(ui::TComponent* owner, const dialogs::DialogEnv& env)
    : dialogs::TDialog(owner, "FormProfilesOrder", env, false) {
  SetCaption("Profiles Order");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(330, 359);

  // Samples of the design; the caller always replaces them.
  SetEntries({"00 - Profile", "01 - Profile", "02 - Profile"});
  Panel1.SetBevelOuter(ui::TBevelCut::Lowered);
  ButtonOK.SetDefault(true);
  ButtonAnuluj.SetCancel(true);

  ListBoxProfiles.OnClick = [this](ui::TObject* s) { ListBoxProfilesClick(s); };
  SpeedButtonUp.OnClick = [this](ui::TObject* s) { SpeedButtonUpClick(s); };
  SpeedButtonDown.OnClick = [this](ui::TObject* s) { SpeedButtonDownClick(s); };
  ButtonOK.OnClick = [this](ui::TObject* s) { ButtonOKClick(s); };
  ButtonAnuluj.OnClick = [this](ui::TObject* s) { ButtonAnulujClick(s); };
}

void TFormProfilesOrder::FormShow() { UpdateArrows(); }

void TFormProfilesOrder::UpdateArrows() {
  const int selected = ListBoxProfiles.ItemIndex();
  const int last = int(ListBoxProfiles.Items().size()) - 1;
  const bool up = selected > 0;
  const bool down = selected >= 0 && selected < last;
  SpeedButtonUp.SetEnabled(up);
  SpeedButtonDown.SetEnabled(down);
  SpeedButtonUp.SetGlyph(Arrow(true, up ? 0x000000 : 0x808080));
  SpeedButtonDown.SetGlyph(Arrow(false, down ? 0x000000 : 0x808080));
}

void TFormProfilesOrder::MoveSelected(int by) {
  const int from = ListBoxProfiles.ItemIndex();
  const int to = from + by;
  if (from < 0 || to < 0 || to >= int(ListBoxProfiles.Items().size())) return;
  const std::string entry = ListBoxProfiles.Items()[std::size_t(from)];
  ListBoxProfiles.DeleteItem(from);
  ListBoxProfiles.InsertItem(to, entry);
  // Every step of a move is a click on the entry, then on an arrow.
  ListBoxProfiles.SetItemIndex(-1);
  UpdateArrows();
}

void TFormProfilesOrder::ListBoxProfilesClick(ui::TObject*) { UpdateArrows(); }

void TFormProfilesOrder::SpeedButtonUpClick(ui::TObject*) { MoveSelected(-1); }

void TFormProfilesOrder::SpeedButtonDownClick(ui::TObject*) { MoveSelected(+1); }

void TFormProfilesOrder::ButtonOKClick(ui::TObject*) { SetModalResult(ui::mrOk); }

void TFormProfilesOrder::ButtonAnulujClick(ui::TObject*) { SetModalResult(ui::mrCancel); }
