// Counts the notifications; a test can look at the world at the moment of one.
#pragma once
#include <functional>
#include "system/InternetSettings.h"

namespace sys {

class FakeInternetSettings : public InternetSettings {
 public:
  bool NotifyChanged() override {
    ++Notifications;
    if (OnNotify) OnNotify();
    return Result;
  }

  int Notifications = 0;
  bool Result = true;
  std::function<void()> OnNotify;
};

}  // namespace sys
