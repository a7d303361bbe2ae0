#include "framework/shell.h"

#include "framework/backend.h"

namespace framework {

bool ShellExecute(std::string_view address) {
  return CurrentBackend().OpenAddress(address);
}

Size StandardIconSize() {
  return CurrentBackend().StandardIconSize();
}

}  // namespace framework
