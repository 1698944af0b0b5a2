#pragma once
// Design values of both windows: every control's text, colours, flags, place,
// size, font and timer interval as the window is created, grouped by region.
namespace kelo {

struct frmKeloTrundo15;
struct frmSplashKelo2020;

void applyMainDesign(frmKeloTrundo15& f);
void applySplashDesign(frmSplashKelo2020& s);

}  // namespace kelo
