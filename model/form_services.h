#pragma once
// What the windows do to themselves: unload, seed the generator, and load a
// picture (a missing picture is the run-time error).
#include <string>

namespace kelo {

struct Form;

void Unload(Form& f);
void Randomize(Form& f);
// The data path of the picture, checked to exist; raises FileNotFound otherwise.
std::string LoadPicture(Form& f, const std::string& dataPath);

}  // namespace kelo
