#pragma once
// The score pictures of "Grafica": 60 notes, the empty staff, the rest, the clef
// and the time signature.
#include <filesystem>

namespace kelo::datatree {

void writeScorePictures(const std::filesystem::path& grafica);

}  // namespace kelo::datatree
