#include "system/fake/FakeEndpointVolume.h"

namespace sys {

bool FakeEndpointVolume::Open() {
  Close();
  if (Default >= Devices.size()) return false;
  Opened = Default;
  return true;
}

FakeEndpointVolume::Device* FakeEndpointVolume::Current() {
  if (!Opened || FailCalls) return nullptr;
  return &Devices[*Opened];
}

std::optional<float> FakeEndpointVolume::Level() {
  if (Device* d = Current()) return d->Level;
  return std::nullopt;
}

bool FakeEndpointVolume::SetLevel(float level) {
  Device* d = Current();
  // The system takes 0.0 ... 1.0 only (E_INVALIDARG otherwise).
  if (!d || RefuseLevels || level < 0.0f || level > 1.0f) return false;
  d->Level = level;
  return true;
}

std::optional<bool> FakeEndpointVolume::Muted() {
  if (Device* d = Current()) return d->Muted;
  return std::nullopt;
}

bool FakeEndpointVolume::SetMuted(bool muted) {
  Device* d = Current();
  if (!d || RefuseMute) return false;
  d->Muted = muted;
  return true;
}

}  // namespace sys
