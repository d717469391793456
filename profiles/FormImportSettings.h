// The IP editor's profile picker ("Import settings"): one drop-down of the 21 slot rows;
// OK takes the chosen profile's values into the editor, Cancel, Escape and the close box
// take nothing.
#pragma once
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "ui/Ui.h"

class TFormImportSettings : public dialogs::TDialog {
 public:
  TFormImportSettings(ui::TComponent* owner, const dialogs::DialogEnv& env);

  // ---- components, with their design values ----
  ui::TGroupBox GroupBox1{
      this, "GroupBox1", this, {8, 8, 281, 57}, "Import settings from profile : "};
  ui::TComboBox ComboBoxProfNo{this, "ComboBoxProfNo", &GroupBox1, {12, 22, 257, 21}};
  ui::TButton ButtonOK{this, "ButtonOK", this, {133, 74, 75, 25}, "OK"};
  ui::TButton ButtonCancel{this, "ButtonCancel", this, {214, 74, 75, 25}, "Cancel"};

  // ---- filling, by the caller: the editor's rows, the first one chosen ----
  void SetRows(std::vector<std::string> rows);
  // The chosen row's text.
  const std::string& Chosen() const { return ComboBoxProfNo.Text(); }
};
