#pragma once
// Fitting a window laid out for 1024 x 768 to the screen it loads on: once, at
// load, when the screen height is not 11520 twips.
namespace kelo {

struct frmKeloTrundo15;
struct frmSplashKelo2020;

void AdattaRisoluzione(frmKeloTrundo15& f);
void AdattaSplashAlloSchermo(frmSplashKelo2020& s);
// True when the screen differs in height from the design screen.
bool SchermoDaAdattare(struct Form& f);

}  // namespace kelo
