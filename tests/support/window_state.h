#pragma once
// What every control of a window shows and which timers run, as one text: two
// equal texts mean that nothing changed.
#include <string>

#include "platform/form.h"

namespace kelo::testing {

std::string windowState(const Form& form);

}  // namespace kelo::testing
