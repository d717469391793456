// The Internet settings notification of the running system (wininet).
#pragma once
#include "system/InternetSettings.h"

namespace sys {

class Win32InternetSettings : public InternetSettings {
 public:
  bool NotifyChanged() override;
};

}  // namespace sys
