// The system's web components: telling them that the per-user Internet settings changed.
#pragma once

namespace sys {

class InternetSettings {
 public:
  virtual ~InternetSettings() = default;
  // Makes running programs read the Internet settings (the proxy values) again
  // (INTERNET_OPTION_SETTINGS_CHANGED, then INTERNET_OPTION_REFRESH). False when the
  // system refused either.
  virtual bool NotifyChanged() = 0;
};

}  // namespace sys
