// The command line's commands as the running indicator carries them out: a profile through
// its Apply operation (with or without the confirmation window), the switcher, the settings
// and the battery history through their menu commands, all under the menu's enabled rule.
#include <utility>

#include "app/CommandLine.h"
#include "app/FormQuonthary.h"
#include "i18n/FillIn.h"

using app::Verb;

void TFormQuonthary::CarryOutCommandText(const std::string& text) {
  const app::ParsedCommand parsed = app::ParseCommandText(text);
  if (parsed.Ok())
    CarryOutCommand(parsed.Cmd, true);
  else
    Sys.Instance.Reply(app::kExitBadArguments);
}

void TFormQuonthary::CarryOutCommand(const app::Command& c, bool handedOver) {
  auto answer = [this, handedOver](int code) {
    if (handedOver) Sys.Instance.Reply(code);
  };
  // The menu's enabled rule, as at this moment; and no window either over a confirmation
  // window or a result box, which a command from outside would otherwise hide.
  auto allowed = [this](ui::TMenuItem& item) {
    UpdateEnabledStates();
    return item.Enabled() && !Dialogs.ChangeRunning();
  };
  switch (c.What) {
    case Verb::None:
      // A start without a command: the gauge, and the windows it has open, to the front.
      GaugeToFront();
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
      // While it is put in force; nothing else can be (the rule above), so nothing nests.
      struct InProgress {
        TFormQuonthary& f;
        ~InProgress() {
          f.CommandAnswerPending = false;
          f.ConfirmedBeforehand = false;
        }
      } inProgress{*this};
      CommandAnswerPending = handedOver;
      ConfirmedBeforehand = c.Yes;
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
  // The usage and the elevated verb belong to a start of their own.
  answer(app::kExitBadArguments);
}

void TFormQuonthary::AnswerCommand(int exitCode) {
  if (std::exchange(CommandAnswerPending, false)) Sys.Instance.Reply(exitCode);
}
