#include "ui/Backend.h"

#include <stdexcept>

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
    if (!Factory()) throw std::logic_error("no form backend installed");
    Slot() = Factory()();
  }
  return *Slot();
}

Backend& SetBackend(std::unique_ptr<Backend> backend) {
  Slot() = std::move(backend);
  return *Slot();
}

}  // namespace ui
