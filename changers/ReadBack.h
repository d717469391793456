// Whether what a proxy or MAC profile wrote holds: the values read back from the registry
// right after the write, and why a MAC write was refused.
#pragma once
#include <string>

#include "profiles/ProfileRecords.h"
#include "settings/SettingsStore.h"
#include "system/Registry.h"

class TFormLanguage;

namespace changers {

// The Internet settings that do not read back as the profile wrote them, one line each
// ("ProxyServer reads 10.0.0.9:80, expected 10.0.0.1:8080"); empty when they hold.
std::string ProxyReadBack(settings::SettingsStore& store, const profiles::ProxyProfileRecord& proxy,
                          const TFormLanguage& texts);

// The adapter's "NetworkAddress" when it does not read back as the profile wrote it (the
// address, or no value for the built-in one); empty when it holds.
std::string MacReadBack(sys::Registry& registry, const profiles::MacProfileRecord& mac,
                        const TFormLanguage& texts);

// Why the adapter value could not be written: an adapter key that is there but may not be
// written needs administrator rights; otherwise the adapter was not found.
const std::string& MacWriteFailure(sys::Registry& registry, const profiles::MacProfileRecord& mac,
                                   const TFormLanguage& texts);

}  // namespace changers
