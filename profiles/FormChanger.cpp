#include "profiles/FormChanger.h"

#include <utility>
#include <vector>

using profiles::ProfileKind;

namespace {

constexpr int kFirstTop = 5;
constexpr int kRowHeight = 20;
// What follows the last button's row: the gap to the configure button.
constexpr int kGapBelowButtons = 5;

}  // namespace

TFormChanger::TFormChanger(ui::TComponent* owner, const dialogs::DialogEnv& env, Links links)
    : dialogs::TDialog(owner, "FormChanger", env), links_(std::move(links)) {
  SetCaption("Quonthary Changer");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(343, 549);

  for (ProfileKind kind : profiles::kProfileKinds) {
    const profiles::KindNames& names = profiles::NamesOf(kind);
    ui::TTabSheet& page = PageOf(kind);
    Buttons& buttons = ButtonsIn(*this, kind);
    for (int slot = 0; slot < profiles::SlotCount; ++slot) {
      auto& button =
          Create<ui::TButton>(profiles::SlotName(names.ButtonPrefix, slot), &page,
                              ui::Bounds{22, kFirstTop + slot * kRowHeight, 288, kRowHeight});
      button.SetTag(names.ButtonTag);
      button.OnEnter = [this](ui::TObject* s) { btnIP00Enter(s); };
      button.OnClick = [this](ui::TObject* s) { btnIP00Click(s); };
      buttons[std::size_t(slot)] = &button;
    }
    ConfigureButtonOf(kind).SetParent(&page);
    SelectionMarkOf(kind).SetTag(1);
  }
  for (ui::TLabel* label : {&LabelPresent, &LabelPresentList}) {
    label->SetParent(&TabSheetIP);
    label->SetAutoSize(false);
    label->Hide();
  }
  // Connection names are the user's: an "&" in them is shown as it is.
  LabelPresentList.SetShowAccelChar(false);
  ui::TFont bold = LabelPresent.Font();
  bold.Bold = true;
  LabelPresent.SetFont(bold);
  for (ui::TShape* mark : {&ShapeSelectedIP, &ShapeSelectedProxy, &ShapeSelectedMac}) {
    mark->SetShape(ui::TShapeType::Circle);
    mark->SetBrushColor(ui::clBlack);
    // Beside the focused button only: until a button has the focus there is none.
    mark->Hide();
  }
  ButtonConfigureIP.OnClick = [this](ui::TObject* s) { ButtonConfigureIPClick(s); };
  ButtonConfigureProxy.OnClick = [this](ui::TObject* s) { ButtonConfigureProxyClick(s); };
  ButtonConfigureMac.OnClick = [this](ui::TObject* s) { ButtonConfigureMacClick(s); };
  ButtonClose.SetDefault(true);
  ButtonClose.SetCancel(true);
  ButtonClose.OnClick = [this](ui::TObject* s) { ButtonCloseClick(s); };

  // The height follows the buttons shown: the page and its sheets stretch, the configure
  // and close buttons keep to the bottom.
  PageControl.SetAnchors(ui::akLeft | ui::akTop | ui::akRight | ui::akBottom);
  for (ProfileKind kind : profiles::kProfileKinds) {
    PageOf(kind).SetAnchors(ui::akLeft | ui::akTop | ui::akRight | ui::akBottom);
    ConfigureButtonOf(kind).SetAnchors(ui::akLeft | ui::akBottom);
  }
  ButtonClose.SetAnchors(ui::akLeft | ui::akBottom);
}

void TFormChanger::ShowPage(ProfileKind kind) {
  kind_ = kind;
  PageControl.SetActivePage(&PageOf(kind));
  for (ProfileKind other : profiles::kProfileKinds) PageOf(other).SetTabVisible(other == kind);
}

const TFormChanger::Buttons& TFormChanger::ButtonsOf(ProfileKind kind) const {
  return ButtonsIn(*this, kind);
}

ui::TTabSheet& TFormChanger::PageOf(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::IP:
      return TabSheetIP;
    case ProfileKind::Proxy:
      return TabSheetProxy;
    case ProfileKind::Mac:
      break;
  }
  return TabSheetMAC;
}

ui::TButton& TFormChanger::ConfigureButtonOf(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::IP:
      return ButtonConfigureIP;
    case ProfileKind::Proxy:
      return ButtonConfigureProxy;
    case ProfileKind::Mac:
      break;
  }
  return ButtonConfigureMac;
}

ui::TShape& TFormChanger::SelectionMarkOf(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::IP:
      return ShapeSelectedIP;
    case ProfileKind::Proxy:
      return ShapeSelectedProxy;
    case ProfileKind::Mac:
      break;
  }
  return ShapeSelectedMac;
}

void TFormChanger::BeforeTranslate() {
  // The proxy and MAC marks are read from the system now, before the buttons copy them.
  if (links_.RefreshMenu) links_.RefreshMenu();
}

void TFormChanger::FormShow() {
  // Every show builds the marks afresh: those of an earlier show go first.
  RemoveInForceMarks();
  int nextTop = kFirstTop;
  const MenuItems& items = links_.Items[profiles::KindIndex(kind_)];
  const Buttons& buttons = ButtonsOf(kind_);
  for (std::size_t slot = 0; slot < buttons.size(); ++slot) {
    ui::TButton& button = *buttons[slot];
    const ui::TMenuItem& item = *items[slot];
    // Hidden buttons leave no gap: the visible ones stack in slot order.
    button.SetVisible(item.Visible());
    if (button.Visible()) {
      button.SetTop(nextTop);
      nextTop += kRowHeight;
    }
    button.SetCaption(item.Caption());
    const bool inForce = item.Checked() && button.Visible();
    ui::TFont font = button.Font();
    font.Bold = inForce;
    button.SetFont(font);
    if (inForce) {
      auto& circle =
          Create<ui::TShape>("", button.Parent(), ui::Bounds{2, button.Top() + 1, 17, 17});
      circle.SetShape(ui::TShapeType::Circle);
      circle.SetBrushColor(ui::clLime);
    }
  }
  // The focus mark stays painted over the circles (the last graphic placed is on top).
  ui::TShape& mark = SelectionMarkOf(kind_);
  mark.SetParent(nullptr);
  mark.SetParent(&PageOf(kind_));
  if (chosen_ && !chosen_->Visible()) {
    chosen_ = nullptr;
    mark.Hide();
  } else if (chosen_) {
    mark.SetTop(chosen_->Top() + 4);
  }

  if (kind_ == ProfileKind::IP) nextTop = ShowPresentSettings(nextTop);

  // The configure button follows the bottom edge: it ends up just below the last button.
  SetHeight(Height() + nextTop - ConfigureButtonOf(kind_).Top() + kGapBelowButtons);
}

int TFormChanger::ShowPresentSettings(int top) {
  const std::vector<std::string> lines =
      links_.PresentIP ? links_.PresentIP() : std::vector<std::string>{};
  LabelPresent.SetVisible(!lines.empty());
  LabelPresentList.SetVisible(!lines.empty());
  if (lines.empty()) return top;
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  LabelPresentList.SetCaption(text);
  auto height = [](const ui::TLabel& label) {
    return ui::CurrentBackend().MeasureText(label.Font(), label.Caption(), label.Width()).Height;
  };
  LabelPresent.SetBounds(LabelPresent.Left(), top + 8, LabelPresent.Width(), height(LabelPresent));
  LabelPresentList.SetBounds(LabelPresentList.Left(), LabelPresent.Bottom() + 2,
                             LabelPresentList.Width(), height(LabelPresentList));
  return LabelPresentList.Bottom() + 3;
}

void TFormChanger::RemoveInForceMarks() {
  // Collected first: destroying a component changes the list being walked.
  std::vector<ui::TComponent*> stale;
  for (ui::TComponent* c : Components()) {
    auto* shape = dynamic_cast<ui::TShape*>(c);
    if (shape && shape->Tag() == 0) stale.push_back(shape);
  }
  for (ui::TComponent* c : stale) DestroyComponent(c);
}

void TFormChanger::btnIP00Enter(ui::TObject* sender) {
  auto* button = dynamic_cast<ui::TButton*>(sender);
  if (!button) return;
  for (ProfileKind kind : profiles::kProfileKinds) {
    if (button->Tag() != profiles::NamesOf(kind).ButtonTag) continue;
    ui::TShape& mark = SelectionMarkOf(kind);
    mark.SetTop(button->Top() + 4);
    mark.Show();
  }
  chosen_ = button;
}

void TFormChanger::btnIP00Click(ui::TObject*) {
  if (!chosen_) return;
  for (ProfileKind kind : profiles::kProfileKinds) {
    const profiles::KindNames& names = profiles::NamesOf(kind);
    if (chosen_->Tag() != names.ButtonTag) continue;
    // Out of the way while the confirmation and the result are shown.
    Hide();
    bool confirmed = false;
    try {
      confirmed = links_.Apply(kind, profiles::SlotFromName(chosen_->Name(), names.SlotPosition));
    } catch (...) {
      Show();
      throw;
    }
    if (confirmed)
      SetModalResult(ui::mrOk);
    else
      Show();
    return;
  }
}

void TFormChanger::Configure(ProfileKind kind) {
  links_.Configure(kind);
  // Shown again so that names, visibility and marks follow the edits; the show's first step
  // refreshes the menu state.
  ShowAgain();
}

void TFormChanger::ButtonConfigureIPClick(ui::TObject*) { Configure(ProfileKind::IP); }
void TFormChanger::ButtonConfigureProxyClick(ui::TObject*) { Configure(ProfileKind::Proxy); }
void TFormChanger::ButtonConfigureMacClick(ui::TObject*) { Configure(ProfileKind::Mac); }

void TFormChanger::ButtonCloseClick(ui::TObject*) { SetModalResult(ui::mrCancel); }
