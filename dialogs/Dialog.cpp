#include "dialogs/Dialog.h"

#include "dialogs/DialogLayout.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"

namespace dialogs {

TDialog::TDialog(ui::TComponent* owner, std::string name, const DialogEnv& env, bool translated)
    : ui::TForm(owner, std::move(name)), env_(env), translated_(translated) {
  // Sizeable so that the size can be pinned when shown: the frame then cannot be dragged.
  SetBorderStyle(ui::TBorderStyle::Sizeable);
  OnShow = [this](ui::TObject*) { ShowDialog(); };
}

const std::string& TDialog::Msg(const char* labelName) const {
  return env_.Language.Message(labelName);
}

void TDialog::Translate() { TranslateForm(*this, env_.Language, env_.ProgramDir); }

void TDialog::ShowDialog() {
  BeforeTranslate();
  if (translated_) Translate();
  SetConstraints({});
  FormShow();
  // Placed once more: the show steps may have changed the size.
  if (Position() == ui::TPosition::ScreenCenter) CenterOnScreen(*this);
  if (resizable_)
    SetConstraints({Width(), Height(), 0, 0});
  else
    PinSize();
}

}  // namespace dialogs
