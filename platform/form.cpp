#include "platform/form.h"

namespace kelo {

Events& Form::on(Control& c) {
    if (!c.On) c.On = &singleEvents_.emplace_back();
    return *c.On;
}

}  // namespace kelo
