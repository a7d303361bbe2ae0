// Where a minimized window draws its icon: centred on the client area, each half rounded
// toward zero in signed arithmetic.
//   client 36 x 37, icon 32 x 32 -> (2, 3)      client 20 x 20, icon 32 x 32 -> (-5, -5)
#pragma once

#include "framework/types.h"

namespace fokuro {

constexpr framework::Point MinimizedIconPosition(framework::Size client, framework::Size icon) {
  return {(client.cx - icon.cx + 1) / 2, (client.cy - icon.cy + 1) / 2};
}

}  // namespace fokuro
