// What every dialog shares: what it is handed (the texts, the program's folder, the desktop
// and the beep) and its lifecycle (sizeable border at creation; on every show: translation
// first, then the dialog's own steps, the size pinned last).
#pragma once
#include <string>

#include "system/Desktop.h"
#include "system/Sound.h"
#include "ui/Ui.h"

class TFormLanguage;

namespace dialogs {

// Handed to each dialog by whoever runs it; a dialog reaches nothing else of the program.
struct DialogEnv {
  const TFormLanguage& Language;  // the message texts, and the file that translates windows
  std::string ProgramDir;         // the program's folder, with a trailing backslash
  sys::Desktop& Screen;           // foreground window
  sys::Sound& Audio;              // the default beep
};

class TDialog : public ui::TForm {
 public:
  // translated = false: the window keeps its designed texts (the profile order dialog).
  TDialog(ui::TComponent* owner, std::string name, const DialogEnv& env, bool translated = true);

  const DialogEnv& Env() const { return env_; }
  // The current caption of a message label of the language holder.
  const std::string& Msg(const char* labelName) const;
  void Translate();
  // The system's default beep (MessageBeep(0)).
  void Beep() const { env_.Audio.MessageBeep(0); }

 protected:
  // Before translation: the few dialogs that refresh something first (the switcher).
  virtual void BeforeTranslate() {}
  // The dialog's own show steps, after translation and before the size is pinned.
  virtual void FormShow() {}
  // The show steps once more, on a dialog already shown (a window it opened changed what it
  // shows).
  void ShowAgain() { ShowDialog(); }
  // A window the user may make larger than designed (the chart of the battery history): its
  // size at each show is then its least, not its only one.
  void SetResizable() { resizable_ = true; }

 private:
  void ShowDialog();
  DialogEnv env_;
  bool translated_;
  bool resizable_ = false;
};

}  // namespace dialogs
