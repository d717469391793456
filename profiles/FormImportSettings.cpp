#include "profiles/FormImportSettings.h"

#include "profiles/ProfileRecords.h"

TFormImportSettings::TFormImportSettings(ui::TComponent* owner, const dialogs::DialogEnv& env)
    : dialogs::TDialog(owner, "FormImportSettings", env) {
  SetCaption("Import settings");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(297, 107);

  ComboBoxProfNo.SetStyle(ui::TComboBoxStyle::DropDownList);
  ComboBoxProfNo.SetDropDownCount(profiles::SlotCount);
  ButtonOK.SetModalResult(ui::mrOk);
  ButtonOK.SetDefault(true);
  ButtonCancel.SetModalResult(ui::mrCancel);
  ButtonCancel.SetCancel(true);
}

void TFormImportSettings::SetRows(std::vector<std::string> rows) {
  ComboBoxProfNo.SetItems(std::move(rows));
  ComboBoxProfNo.SetItemIndex(0);
}
