#include "i18n/FormLanguage.h"

TFormLanguage::TFormLanguage(ui::TComponent* owner) : ui::TForm(owner, "FormLanguage") {}

TFormLanguage::~TFormLanguage() = default;

const std::string& TFormLanguage::Message(const std::string& labelName) const {
  static const std::string none;
  auto* label = dynamic_cast<ui::TLabel*>(FindComponent(labelName));
  return label ? label->Caption() : none;
}
