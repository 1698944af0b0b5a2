#include "artwork.h"

#include "font_files.h"
#include "picture_file.h"

namespace kelo::datatree {

void writeArtwork(const std::filesystem::path& grafica) {
    const MusicSymbols symbols(fonts::kSerif);
    saveJpeg(drawSplash(symbols), grafica / "Splash Kelo.jpg");
    saveJpeg(drawLogo(symbols), grafica / "Kelo-trundo 2020.jpg");
    saveJpeg(drawComposeButton(symbols), grafica / "Kelo.jpg");
}

}  // namespace kelo::datatree
