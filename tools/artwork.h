#pragma once
// The designed pictures of "Grafica": splash, logo and the compose button.
#include <QImage>
#include <filesystem>

#include "music_symbols.h"

namespace kelo::datatree {

QImage drawSplash(const MusicSymbols& symbols);         // "Splash Kelo.jpg", the whole 1024 x 768 window
QImage drawLogo(const MusicSymbols& symbols);           // "Kelo-trundo 2020.jpg", 2775 x 615 twips
QImage drawComposeButton(const MusicSymbols& symbols);  // "Kelo.jpg", 735 x 735 twips

void writeArtwork(const std::filesystem::path& grafica);

}  // namespace kelo::datatree
