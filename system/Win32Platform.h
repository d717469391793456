// The platform adapters of the running Windows system, as one process-wide bundle.
#pragma once
#include <memory>
#include "system/Platform.h"

namespace sys {

// Created on first use and kept until the process ends.
Platform& Win32Platform();

// The registry adapter of the running system.
std::unique_ptr<Registry> CreateWin32Registry();

}  // namespace sys
