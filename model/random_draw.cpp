#include "model/random_draw.h"

#include <cmath>

#include "platform/cell_number.h"
#include "platform/form.h"
#include "platform/runtime_error.h"

namespace kelo {

namespace {
// x = floor(K ((u + minute / 60) - clockTerm)); r = x - floor(x / K) K + 1, both
// floors in double precision so a negative x still lands in 1..K.
int draw(Form& f, int K, bool hourTerm) {
    if (K == 0) raise(ErrorCode::DivisionByZero, "NumeroCasuale(0)");
    float u = f.sys.random.next();
    TimeOfDay t = f.sys.clock.timeOfDay();
    double clockTerm = hourTerm ? t.hour / 25.0 : t.second / 61.0;
    double x = std::floor(K * ((static_cast<double>(u) + t.minute / 60.0) - clockTerm));
    double r = x - std::floor(x / K) * K + 1;
    return check16(static_cast<long long>(r));
}
}  // namespace

int NumeroCasuale(Form& f, int K) { return draw(f, K, false); }
int NumeroCasualeOra(Form& f, int K) { return draw(f, K, true); }

}  // namespace kelo
