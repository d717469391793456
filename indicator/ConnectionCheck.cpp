// The connection check: an echo request every two seconds; after two failures in a row the
// no-connection mark shows, and on entering that state a message and the alert.
#include <exception>

#include "app/FormQuonthary.h"

namespace {
constexpr int kEchoTimeoutMs = 1500;
constexpr int kEchoBufferBytes = 128;
constexpr int kLostAfterFailures = 2;
}  // namespace

void TFormQuonthary::IdIcmpClientReply(int bytesReceived) {
  // Only the host's echo reply counts: an "unreachable" (which the local machine reports
  // itself when the router does not answer) means nothing was reached.
  if (bytesReceived <= 0)
    ConnectionFailures += 1;
  else
    ConnectionFailures = 0;
}

void TFormQuonthary::TimerIcmpTimer(ui::TObject*) {
  TimerIcmp.SetEnabled(false);
  bool checked = false;
  try {
    IdIcmpClientReply(Sys.Icmp.Ping(Cfg.ConnectionIP, kEchoTimeoutMs, kEchoBufferBytes));
    checked = true;
  } catch (const std::exception&) {
    ConnectionFailures += 1;  // a malformed address or a socket error is one failure
  }
  if (checked) {
    try {
      ui::Application().ProcessMessages();
    } catch (const std::exception&) {
      ConnectionFailures += 1;
    }
  }
  if (!ImageNoInternet.Visible() && ConnectionFailures >= kLostAfterFailures) {
    ShowALabel();
    DisplaySkipTicks = 4;
    ui::TLabel& label = PickInfoLabel(true, Cfg.VolumeChanging);
    label.SetCaption(Msg("LabelConnectionError"));
    label.Repaint();
    PlayConnectionLostAlert();
  }
  ImageNoInternet.SetVisible(ConnectionFailures >= kLostAfterFailures);
  TimerIcmp.SetEnabled(Cfg.ConnectionCheck);
}
