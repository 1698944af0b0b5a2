#include "support/headless_program.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "engine/pitch_names.h"
#include "model/data_files.h"
#include "player/score_display.h"
#include "support/record_lines.h"

namespace kelo::support {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
    // Unique per process and call: CTest runs tests in parallel processes.
    static int serial = 0;
    fs::path dir = fs::temp_directory_path() /
                   ("kelo-test-" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

fs::path makeDataTree(const fs::path& folder) {
    fs::path tree = folder / "Kelo 2020";
    for (const char* sub : {"Grafica", "Suoni", "Kelo", "Dati", "Impostazioni", "Melodie"})
        fs::create_directories(tree / sub);
    for (const char* picture :
         {"Splash Kelo.jpg", "Kelo-trundo 2020.jpg", "Kelo.jpg", "chiave.jpg", "tempo.jpg", "vuoto.jpg", "pausa.jpg"})
        std::ofstream(tree / "Grafica" / picture) << "";
    for (std::string_view pitch : kPitchNames)
        for (const char* shape : {"1", "2", "3", "4", "1p", "c"})
            std::ofstream(tree / "Grafica" / FiguraNota(pitch, shape)) << "";
    for (const char* sample : kNoteSamples) std::ofstream(tree / "Suoni" / sample) << "";
    for (const char* sample : kChordSamples) std::ofstream(tree / "Suoni" / sample) << "";
    std::ofstream(tree / "Dati" / kMarkerFile) << "Kelo";
    std::ofstream(tree / "Dati" / "User.txt", std::ios::binary) << factoryRecordWith();
    return tree;
}

HeadlessProgram::HeadlessProgram(const std::string& name)
    : dir(freshFolder(name)), hp(dir), program(hp.platform), f(program.main) {
    makeDataTree(dir);
    hp.clock.setTimeOfDay(0, 0, 0);
    hp.clock.freezeTimeOfDay(true);
}

HeadlessProgram::~HeadlessProgram() {
    std::error_code ec;
    fs::remove_all(dir, ec);
}

void HeadlessProgram::startAndGreet() {
    hp.random.push({0.0f});  // at 00:00:00 this draws the 2000 ms splash
    program.start();
    hp.advance(2000 + 500 + 2500);
}

std::string HeadlessProgram::readFile(const std::string& relative) const { return support::readFile(dir / relative); }

}  // namespace kelo::support
