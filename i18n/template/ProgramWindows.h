// Every window whose texts a language file translates, made by the program's own
// constructors on the headless backend and fakes, in the order of the language file's
// sections: the indicator (with its context menu), the message holder, then the dialogs.
// The language template is made from these, and the translations are tried on them.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/FormQuontharyMain.h"
#include "i18n/FormLanguage.h"
#include "system/fake/FakePlatform.h"
#include "ui/Ui.h"

namespace i18n {

class ProgramWindows {
 public:
  // programDir: the folder the program runs from (its "language\" is read from there), with
  // a trailing separator. Installs the headless backend.
  explicit ProgramWindows(const std::string& programDir);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  const std::vector<ui::TForm*>& Windows() const { return windows_; }
  TFormQuonthary& Indicator() const { return *owner_->Indicator; }
  TFormLanguage& Language() const { return *Indicator().FormLanguage; }

 private:
  sys::FakePlatform fake_;
  profiles::ProfileTables tables_;
  std::unique_ptr<TFormQuontharyMain> owner_;
  std::vector<std::unique_ptr<ui::TForm>> dialogs_;
  std::vector<ui::TForm*> windows_;
};

}  // namespace i18n
