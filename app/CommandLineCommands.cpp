// The command line's commands as the running indicator carries them out: a profile through
// its Apply operation (with or without the confirmation window), the switcher, the settings
// and the battery history through their menu commands, all under the menu's enabled rule.
#include <utility>

#include "app/CommandLine.h"
#include "app/FormQuonthary.h"
#include "i18n/FillIn.h"

using app::Verb;

namespace {

// Undoes a command's setting on every way out of it.
template <class T>
class Scoped {
 public:
  Scoped(T& field, T value) : field_(field), before_(std::exchange(field, std::move(value))) {}
  ~Scoped() { field_ = std::move(before_); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

 private:
  T& field_;
  T before_;
};

}  // namespace

void TFormQuonthary::CarryOutCommandText(const std::string& text) {
  auto reply = [this](int code) { Sys.Instance.Reply(code); };
  const app::ParsedCommand parsed = app::ParseCommandText(text);
  // The elevated verb and the usage belong to a start of their own.
  if (!parsed.Ok() || parsed.Cmd.What == Verb::Usage || parsed.Cmd.What == Verb::NetworkAddress) {
    reply(app::kExitBadArguments);
    return;
  }
  CarryOutCommand(parsed.Cmd, reply);
}

void TFormQuonthary::CarryOutCommand(const app::Command& c, std::function<void(int)> answer) {
  // The menu's enabled rule, as at this moment; and never over a confirmation window or a
  // result box, whose place a second one would take.
  auto allowed = [this](ui::TMenuItem& item) {
    UpdateEnabledStates();
    return item.Enabled() && !FormMessageChanger && !FormMsgBox;
  };
  switch (c.What) {
    case Verb::None:
      // A start without a command: the gauge, and the windows it has open, to the front.
      BringToFront();
      for (ui::TForm* dialog : Dialogs.InRaiseOrder())
        Sys.Screen.SetForegroundWindow(dialog->Handle());
      answer(app::kExitDone);
      return;
    case Verb::ApplyProfile: {
      const int slot = app::FindProfile(Profiles, c.Kind, c.Profile);
      // The kind's submenu stands for its items, which are hidden with it.
      const bool free = allowed(*ProfileItems(c.Kind)[0]->ParentItem());
      if (slot < 0) {
        answer(app::kExitNoProfile);
        if (free)
          ShowTimedMessage(FillIn(Msg("LabelCmdNoProfile"), {app::KindOption(c.Kind), c.Profile}),
                           "", 10, ui::IDI_Exclamation);
        return;
      }
      if (!free || !ProfileItems(c.Kind)[std::size_t(slot)]->Enabled()) {
        answer(app::kExitNotCarriedOut);
        return;
      }
      Scoped<std::function<void(int)>> pending(CommandAnswer, answer);
      Scoped<bool> yes(ConfirmedBeforehand, c.Yes);
      const bool confirmed = ApplyProfile(c.Kind, slot);
      AnswerCommand(confirmed ? app::kExitDone : app::kExitNotCarriedOut);
      return;
    }
    case Verb::OpenSwitcher:
    case Verb::OpenSettings:
    case Verb::OpenHistory: {
      ui::TMenuItem& item = c.What == Verb::OpenSettings  ? mnuSettings
                            : c.What == Verb::OpenHistory ? mnuBatteryHistory
                                                          : mnuIPChangerDialog;
      if (!allowed(item)) {
        answer(app::kExitNotCarriedOut);
        return;
      }
      // Opened: the start that asked for the window need not wait until it is closed.
      answer(app::kExitDone);
      if (c.What == Verb::OpenSwitcher)
        OpenChanger(c.Kind);
      else
        item.Click();
      return;
    }
    case Verb::Usage:
    case Verb::NetworkAddress:
      break;
  }
  answer(app::kExitBadArguments);
}

void TFormQuonthary::AnswerCommand(int exitCode) {
  if (!CommandAnswer) return;
  std::exchange(CommandAnswer, nullptr)(exitCode);
}
