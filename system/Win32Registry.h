// The registry of the running Windows system behind the sys::Registry interface.
#pragma once
#include <memory>
#include <string>

#include "system/Registry.h"

namespace sys {

std::unique_ptr<Registry> CreateWin32Registry();

// Removes a key with all its subkeys and values; true when the key is gone afterwards. The
// program itself never removes keys; tests use it to clean up after themselves.
bool DeleteWin32RegistryTree(RootKey root, const std::string& path);

}  // namespace sys
