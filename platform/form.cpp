#include "platform/form.h"

#include <algorithm>
#include <functional>
#include <string>

namespace kelo {

namespace {
struct Declaration {
    const void* member;
    const char* name;
    int registered = 0;
};

// A window's members are built after its Form base and before its constructor's body, so what
// they note in between is the window's own; one window is built at a time on a thread.
struct Construction {
    const Form* form = nullptr;
    std::vector<Declaration> declared;
};
thread_local Construction building;
}  // namespace

void noteDeclared(const void* member, const char* name) {
    if (building.form) building.declared.push_back({member, name});
}

Form::Form(Platform& platform) : sys(platform) {
    building.form = this;
    building.declared.clear();
}

Form::~Form() {
    if (building.form == this) building.form = nullptr;  // construction failed or never registered
}

Events& Form::on(Control& c) {
    if (!c.On) c.On = &singleEvents_.emplace_back();
    return *c.On;
}

void Form::checkDeclared(std::initializer_list<const void*> registered) {
    const bool ours = building.form == this;
    building.form = nullptr;
    auto fail = [&](const std::string& what) { raise(ErrorCode::InvalidCall, std::string(Name) + ": " + what); };
    if (!ours) fail("registers its controls after its construction");
    // Members of one access level lie in declaration order, so the sort is rarely needed.
    auto& declared = building.declared;
    auto byAddress = [](const Declaration& a, const Declaration& b) { return std::less<>()(a.member, b.member); };
    if (!std::is_sorted(declared.begin(), declared.end(), byAddress))
        std::sort(declared.begin(), declared.end(), byAddress);
    for (const void* member : registered) {
        auto d = std::lower_bound(declared.begin(), declared.end(), Declaration{member, nullptr}, byAddress);
        if (d == declared.end() || d->member != member)
            fail("the painting order holds a control declared without a name");
        ++d->registered;
    }
    for (const Declaration& d : declared) {
        if (d.registered == 0) fail(std::string(d.name) + " is missing from the painting order");
        if (d.registered > 1) fail(std::string(d.name) + " is twice in the painting order");
    }
}

}  // namespace kelo
