// Placeholder until the timed message box is built.
#pragma once
#include "ui/Ui.h"

class TFormMsgBox : public ui::TForm {
 public:
  explicit TFormMsgBox(ui::TComponent* owner) : ui::TForm(owner, "FormMsgBox") {}
};
