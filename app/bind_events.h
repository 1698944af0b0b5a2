#pragma once
// Connects each control's events and each timer's tick to its handler.
namespace kelo {

struct frmKeloTrundo15;
struct frmSplashKelo2020;

void BindEvents(frmSplashKelo2020& s);
void BindEvents(frmKeloTrundo15& f);

}  // namespace kelo
