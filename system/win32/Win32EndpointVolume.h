// The Core Audio endpoint of the running system (Vista and later). COM is initialised on
// the first Open, on the calling thread (the GUI thread), apartment-threaded, and once; its
// library is loaded only then, and not at all on Windows XP.
#pragma once
#include <memory>
#include "system/EndpointVolume.h"

namespace sys {

class Win32EndpointVolume : public EndpointVolume {
 public:
  Win32EndpointVolume();
  ~Win32EndpointVolume() override;
  Win32EndpointVolume(const Win32EndpointVolume&) = delete;
  Win32EndpointVolume& operator=(const Win32EndpointVolume&) = delete;

  bool Present() override;
  bool Open() override;
  void Listen(WindowHandle notifyWindow) override;
  std::optional<float> Level() override;
  bool SetLevel(float level) override;
  std::optional<bool> Muted() override;
  bool SetMuted(bool muted) override;
  void Close() override;

 private:
  struct Session;
  std::unique_ptr<Session> session_;
  bool comTried_ = false;
  bool comReady_ = false;
  bool comToUninitialize_ = false;
};

}  // namespace sys
