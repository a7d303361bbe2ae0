#include "framework/backend.h"

namespace framework {
namespace {

Backend* gBackend = nullptr;

}  // namespace

Backend& CurrentBackend() {
  if (gBackend == nullptr) {
    throw PlatformFailure{"no window system"};
  }
  return *gBackend;
}

void SetBackend(Backend* backend) {
  gBackend = backend;
}

}  // namespace framework
