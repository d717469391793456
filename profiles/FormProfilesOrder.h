// The profile order dialog: the 21 slot rows of one kind in a list, moved one place at a
// time with the two tall arrow buttons. The dialog only reorders the texts; on OK the
// editor that opened it permutes its table. Never translated.
#pragma once
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "ui/Ui.h"

class TFormProfilesOrder : public dialogs::TDialog {
 public:
  TFormProfilesOrder(ui::TComponent* owner, const dialogs::DialogEnv& env);

  // ---- components, with their design values ----
  ui::TListBox ListBoxProfiles{this, "ListBoxProfiles", this, {15, 15, 251, 288}};
  ui::TPanel Panel1{this, "Panel1", this, {276, 15, 44, 288}};
  ui::TSpeedButton SpeedButtonUp{this, "SpeedButtonUp", &Panel1, {4, 22, 36, 116}};
  ui::TSpeedButton SpeedButtonDown{this, "SpeedButtonDown", &Panel1, {4, 150, 36, 116}};
  ui::TButton ButtonOK{this, "ButtonOK", this, {110, 320, 75, 25}, "OK"};
  ui::TButton ButtonAnuluj{this, "ButtonAnuluj", this, {191, 320, 75, 25}, "Cancel"};

  // ---- filling, by the caller ----
  void SetEntries(std::vector<std::string> rows) { ListBoxProfiles.SetItems(std::move(rows)); }
  const std::vector<std::string>& Entries() const { return ListBoxProfiles.Items(); }

  void ListBoxProfilesClick(ui::TObject* sender);
  void SpeedButtonUpClick(ui::TObject* sender);
  void SpeedButtonDownClick(ui::TObject* sender);
  void ButtonOKClick(ui::TObject* sender);
  void ButtonAnulujClick(ui::TObject* sender);

 protected:
  void FormShow() override;

 private:
  // Each arrow is enabled exactly when the selected entry can move its way.
  void UpdateArrows();
  // The selected entry one place up (-1) or down (+1); afterwards nothing is selected.
  void MoveSelected(int by);
};
