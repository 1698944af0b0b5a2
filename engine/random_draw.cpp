#include "engine/random_draw.h"

#include <cmath>

#include "platform/cell_number.h"
#include "platform/form.h"
#include "platform/runtime_error.h"

namespace kelo {

namespace {
int reduce(double x, int K) {
    double r = x - std::floor(x / K) * K + 1;
    return check16(static_cast<long long>(r));
}
}  // namespace

int NumeroCasuale(Form& f, int K) {
    if (K == 0) raise(ErrorCode::DivisionByZero, "NumeroCasuale(0)");
    float u = f.sys.random.next();
    TimeOfDay t = f.sys.clock.timeOfDay();
    double x = std::floor(K * ((static_cast<double>(u) + t.minute / 60.0) - t.second / 61.0));
    return reduce(x, K);
}

int NumeroCasualeOra(Form& f, int K) {
    if (K == 0) raise(ErrorCode::DivisionByZero, "NumeroCasuale(0)");
    float u = f.sys.random.next();
    TimeOfDay t = f.sys.clock.timeOfDay();
    double x = std::floor(K * ((static_cast<double>(u) + t.minute / 60.0) - t.hour / 25.0));
    return reduce(x, K);
}

}  // namespace kelo
