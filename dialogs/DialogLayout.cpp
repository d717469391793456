#include "dialogs/DialogLayout.h"

namespace dialogs {

void SizeLabelsToText(ui::TForm& form) {
  for (ui::TComponent* c : form.Components()) {
    auto* label = dynamic_cast<ui::TLabel*>(c);
    if (!label || !label->AutoSize()) continue;
    label->SetAutoSize(false);
    label->SetAutoSize(true);
  }
}

void CenterOnScreen(ui::TForm& form) {
  const ui::TextSize screen = ui::CurrentBackend().ScreenSize();
  form.SetBounds((screen.Width - form.Width()) / 2, (screen.Height - form.Height()) / 2,
                 form.Width(), form.Height());
}

}  // namespace dialogs
