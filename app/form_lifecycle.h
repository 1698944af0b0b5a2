#pragma once
// What the windows do to themselves: load and show, unload, seed the generator,
// and load a picture (a missing picture is the run-time error).
#include <string>

namespace kelo {

struct Form;
struct Image;
struct frmKeloTrundo15;
struct frmSplashKelo2020;

void Show(frmKeloTrundo15& f);
void Unload(Form& f);
void Randomize(Form& f);
// The data path of the picture, checked to exist; raises FileNotFound otherwise.
std::string LoadPicture(Form& f, const std::string& dataPath);

}  // namespace kelo
