#include "ui/Backend.h"

#include "system/Error.h"

namespace ui {

namespace {
std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}
DefaultBackendFactory& Factory() {
  static DefaultBackendFactory factory = nullptr;
  return factory;
}
}  // namespace

void SetDefaultBackendFactory(DefaultBackendFactory factory) { Factory() = factory; }

Backend& CurrentBackend() {
  if (!Slot()) {
    if (!Factory()) throw sys::Error("no form backend installed");
    Slot() = Factory()();
  }
  return *Slot();
}

Backend& SetBackend(std::unique_ptr<Backend> backend) {
  Slot() = std::move(backend);
  return *Slot();
}

}  // namespace ui
