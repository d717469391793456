#include "system/win32/Win32EndpointVolume.h"

#include "system/win32/LazyLibrary.h"
#include "system/win32/Owned.h"
#include "system/win32/WinApi.h"
#include <endpointvolume.h>
#include <mmdeviceapi.h>

namespace sys {

namespace {

LazyLibrary ole32("ole32.dll");

// The context of the program's own changes: their notices are not news, the hot key that
// made the change shows it.
const GUID kOwnChange = {
    0x6f1c2d3a, 0x58b4, 0x4c7e, {0x9a, 0x41, 0x2e, 0x0b, 0x7d, 0x53, 0xc8, 0x16}};

}  // namespace

// Named, not anonymous: the session of the adapter holds these.
namespace endpoint {

struct ReleaseInterface {
  void operator()(IUnknown* pointer) const { pointer->Release(); }
};
template <class Interface>
using ComPtr = Owned<Interface*, ReleaseInterface>;

// One COM callback interface. Runs on the audio service's threads: it only posts to the
// window, and nothing in it throws. It lives as long as the session, which unregisters it
// before it goes: the count is not its lifetime. (One interface per class: a class with two
// would bring the run-time type support of multiple inheritance into the program.)
template <class Interface>
class Callback : public Interface {
 public:
  // Set before the callback is registered, never after.
  void Tell(HWND window) { window_ = window; }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (!out) return E_POINTER;
    const bool known = iid == __uuidof(IUnknown) || iid == __uuidof(Interface);
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }

 protected:
  void Post(WPARAM reason) const { PostMessageA(window_, EndpointChangeMessage, reason, 0); }

 private:
  HWND window_ = nullptr;
};

class VolumeListener : public Callback<IAudioEndpointVolumeCallback> {
 public:
  HRESULT STDMETHODCALLTYPE OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data) noexcept override {
    if (!data || data->guidEventContext != kOwnChange) Post(EndpointVolumeChanged);
    return S_OK;
  }
};

class DeviceListener : public Callback<IMMNotificationClient> {
 public:
  HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role,
                                                   LPCWSTR) noexcept override {
    // Told once per role: the console role is the one opened.
    if (flow == eRender && role == eConsole) Post(EndpointDeviceChanged);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) noexcept override {
    return S_OK;
  }
};

}  // namespace endpoint

// The default device's volume and the two registrations, undone in reverse order.
struct Win32EndpointVolume::Session {
  ~Session() {
    if (deviceNotices) enumerator.get()->UnregisterEndpointNotificationCallback(&deviceListener);
    if (volumeNotices) volume.get()->UnregisterControlChangeNotify(&volumeListener);
  }
  endpoint::VolumeListener volumeListener;
  endpoint::DeviceListener deviceListener;
  endpoint::ComPtr<IMMDeviceEnumerator> enumerator;
  endpoint::ComPtr<IAudioEndpointVolume> volume;
  bool volumeNotices = false;
  bool deviceNotices = false;
};

Win32EndpointVolume::Win32EndpointVolume() = default;

Win32EndpointVolume::~Win32EndpointVolume() {
  Close();
  if (comToUninitialize_) {
    if (auto uninitialize = ole32.Get<decltype(CoUninitialize)>("CoUninitialize")) uninitialize();
  }
}

bool Win32EndpointVolume::Present() { return LOBYTE(LOWORD(GetVersion())) >= 6; }

bool Win32EndpointVolume::Open() {
  Close();
  if (!comTried_) {
    comTried_ = true;
    // Windows XP has no endpoint: COM and its library stay out of the process.
    if (!Present()) return false;
    auto initialize = ole32.Get<decltype(CoInitializeEx)>("CoInitializeEx");
    const HRESULT hr = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
    comToUninitialize_ = SUCCEEDED(hr);
    // Already initialised otherwise on this thread: usable all the same, not ours to end.
    comReady_ = SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
  }
  auto create = ole32.Get<decltype(CoCreateInstance)>("CoCreateInstance");
  if (!comReady_ || !create) return false;

  auto session = std::make_unique<Session>();
  IMMDeviceEnumerator* enumerator = nullptr;
  if (FAILED(create(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                    __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&enumerator))))
    return false;
  session->enumerator = endpoint::ComPtr<IMMDeviceEnumerator>(enumerator);
  IMMDevice* rawDevice = nullptr;
  if (FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &rawDevice))) return false;
  endpoint::ComPtr<IMMDevice> device(rawDevice);
  IAudioEndpointVolume* volume = nullptr;
  if (FAILED(device.get()->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                    reinterpret_cast<void**>(&volume))))
    return false;
  session->volume = endpoint::ComPtr<IAudioEndpointVolume>(volume);
  session_ = std::move(session);
  return true;
}

void Win32EndpointVolume::Listen(WindowHandle notifyWindow) {
  if (!session_ || session_->volumeNotices || session_->deviceNotices) return;
  Session& s = *session_;
  s.volumeListener.Tell(reinterpret_cast<HWND>(notifyWindow));
  s.deviceListener.Tell(reinterpret_cast<HWND>(notifyWindow));
  // Without notices the keys still work; only changes made elsewhere go unseen.
  s.volumeNotices = SUCCEEDED(s.volume.get()->RegisterControlChangeNotify(&s.volumeListener));
  s.deviceNotices =
      SUCCEEDED(s.enumerator.get()->RegisterEndpointNotificationCallback(&s.deviceListener));
}

std::optional<float> Win32EndpointVolume::Level() {
  float level = 0;
  if (!session_ || FAILED(session_->volume.get()->GetMasterVolumeLevelScalar(&level)))
    return std::nullopt;
  return level;
}

bool Win32EndpointVolume::SetLevel(float level) {
  return session_ &&
         SUCCEEDED(session_->volume.get()->SetMasterVolumeLevelScalar(level, &kOwnChange));
}

std::optional<bool> Win32EndpointVolume::Muted() {
  BOOL muted = FALSE;
  if (!session_ || FAILED(session_->volume.get()->GetMute(&muted))) return std::nullopt;
  return muted != FALSE;
}

bool Win32EndpointVolume::SetMuted(bool muted) {
  return session_ && SUCCEEDED(session_->volume.get()->SetMute(muted ? TRUE : FALSE, &kOwnChange));
}

void Win32EndpointVolume::Close() { session_.reset(); }

}  // namespace sys
