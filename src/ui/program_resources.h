// The table the program hands to framework::SetResources before the framework starts.
#pragma once

#include "framework/resources.h"

namespace fokuro {

// The spans point at tables that live for the whole program, so the result may be copied.
framework::ResourceTable ProgramResources();

}  // namespace fokuro
