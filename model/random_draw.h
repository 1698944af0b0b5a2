#pragma once
// The one random rule of the program: a whole number 1..K from the generator and
// the clock. The clock enters on purpose; keep both floors in double precision.
namespace kelo {

struct Platform;
struct Form;

// Raises DivisionByZero when K is 0.
int NumeroCasuale(Form& f, int K);
// The splash delay's variant: the hour over 25 in place of the second over 61.
int NumeroCasualeOra(Form& f, int K);

}  // namespace kelo
