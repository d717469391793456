// The open-file and colour dialogs.
#pragma once
#include <string>

#include "ui/Component.h"
#include "ui/Types.h"

namespace ui {

class TOpenDialog : public TComponent {
 public:
  using TComponent::TComponent;
  std::string Title;
  std::string DefaultExt;
  // "WAV File (*.wav)|*.wav|All files (*.*)|*.*"
  std::string Filter;
  std::string FileName;
  std::string InitialDir;
  // True when the user picked a file; FileName then holds its full path.
  bool Execute();
};

class TColorDialog : public TComponent {
 public:
  using TComponent::TComponent;
  TColor Color = clBlack;
  bool FullOpen = false;
  bool AnyColor = false;
  // True when the user confirmed; Color then holds the choice.
  bool Execute();
};

}  // namespace ui
