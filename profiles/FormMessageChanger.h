// Placeholder until the confirmation window is built.
#pragma once
#include "ui/Ui.h"

class TFormMessageChanger : public ui::TForm {
 public:
  explicit TFormMessageChanger(ui::TComponent* owner) : ui::TForm(owner, "FormMessageChanger") {}
};
