#include "dialogs/FormMsgBox.h"

#include <algorithm>
#include <string>

TFormMsgBox::TFormMsgBox(ui::TComponent* owner, const dialogs::DialogEnv& env)
    : dialogs::TDialog(owner, "FormMsgBox", env) {
  SetCaption("Quonthary");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(273, 139);

  ImageDesc.SetTransparent(true);
  for (ui::TLabel* label : {&LabelMsg, &LabelRedMsg}) {
    label->SetAutoSize(false);
    // Messages may carry a profile's or a connection's name: an "&" shows as it is.
    label->SetShowAccelChar(false);
    label->SetWordWrap(true);
  }
  LabelRedMsg.SetLayout(ui::TTextLayout::Center);
  ui::TFont red = LabelRedMsg.Font();
  red.Color = ui::clRed;
  red.Bold = true;
  LabelRedMsg.SetFont(red);
  LabelRedMsg.Hide();
  ButtonOK.SetDefault(true);
  ButtonOK.SetCancel(true);
  ButtonOK.SetAnchors(ui::akBottom);

  ButtonOK.OnClick = [this](ui::TObject* s) { ButtonOKClick(s); };
  Timer1.SetOnTimer([this](ui::TObject* s) { Timer1Timer(s); });
  FormCreate();
}

void TFormMsgBox::FormCreate() {
  IconId = ui::IDI_Asterisk;
  SecondsLeft = 10;
}

void TFormMsgBox::FormShow() {
  if (!LabelRedMsg.Visible()) SetHeight(Height() - 40);
  // Only the red line's visibility comes from the launcher; its text is always this one.
  LabelRedMsg.SetCaption(Msg("LabelDisEnab"));
  if (Pending) {
    message_ = LabelMsg.Caption();
    AskPending();
  }
  FitMessage();
  ImageDesc.SetSystemIcon(IconId);
  ShowCountDown();
  Timer1.SetEnabled(true);
  Env().Screen.SetForegroundWindow(Handle());
}

void TFormMsgBox::FitMessage() {
  const ui::TextSize needed =
      ui::CurrentBackend().MeasureText(LabelMsg.Font(), LabelMsg.Caption(), LabelMsg.Width());
  const int extra = needed.Height - LabelMsg.Height();
  if (extra <= 0) return;
  LabelMsg.SetHeight(needed.Height);
  LabelRedMsg.SetTop(LabelRedMsg.Top() + extra);
  SetHeight(Height() + extra);
}

void TFormMsgBox::ShowCountDown() {
  ButtonOK.SetCaption("OK (" + std::to_string(SecondsLeft) + ")");
}

void TFormMsgBox::AskPending() {
  std::optional<dialogs::ResultLine> line = Pending();
  if (!line) {
    LabelMsg.SetCaption(message_ + "\n" + Msg("LabelResultChecking"));
    return;
  }
  Pending = nullptr;
  // The rest of the message (what else was found) stays under the new first line.
  if (!line->Lead.empty())
    message_ = line->Lead + message_.substr(std::min(message_.find('\n'), message_.size()));
  LabelMsg.SetCaption(message_ + "\n" + line->Text);
  if (!line->Warning) return;
  IconId = ui::IDI_Exclamation;
  ImageDesc.SetSystemIcon(IconId);
  if (SecondsLeft < 20) SecondsLeft = 20;
}

void TFormMsgBox::Timer1Timer(ui::TObject*) {
  if (Pending) {
    AskPending();
    // Shown, and pinned: the size is released for the longer text and pinned again.
    SetConstraints({});
    FitMessage();
    PinSize();
  }
  --SecondsLeft;
  ShowCountDown();
  if (SecondsLeft <= 0) {
    Timer1.SetEnabled(false);
    ButtonOKClick(&ButtonOK);
  }
}

void TFormMsgBox::ButtonOKClick(ui::TObject*) { Close(); }
