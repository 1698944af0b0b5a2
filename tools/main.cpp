// kelo-datatree <folder>: writes the program's data tree "Kelo 2020/" into <folder>.
// Sounds are rendered on worker threads while the pictures are drawn here.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <vector>

#include "artwork.h"
#include "installation_files.h"
#include "parallel_jobs.h"
#include "persona_voice.h"
#include "piano_samples.h"
#include "score_pictures.h"
#include "sound_font.h"
#include "start_sound.h"
#include "tree_folders.h"

using namespace kelo::datatree;

namespace {

std::vector<std::function<void()>> soundJobs(const TreeFolders& folders) {
    const std::filesystem::path soundFont = findSoundFont();
    std::vector<SoundJob> sounds = pianoSampleJobs(folders.suoni);
    sounds.push_back(startSoundJob(folders.kelo));

    std::vector<std::function<void()>> jobs = personaVoiceJobs(folders.kelo);
    for (SoundJob& s : sounds) {
        jobs.push_back([s = std::move(s), soundFont] { renderToFile(s, soundFont); });
    }
    return jobs;
}

void writeTree(const std::filesystem::path& parent) {
    const TreeFolders folders = createTreeFolders(parent);
    ParallelJobs sounds(soundJobs(folders));
    writeScorePictures(folders.grafica);
    writeArtwork(folders.grafica);
    writeMarkerIfMissing(folders.dati);
    writeUserSettingsIfMissing(folders.dati);
    sounds.wait();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    // Pictures are drawn off screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    try {
        writeTree(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelo-datatree: %s\n", e.what());
        return 1;
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("kelo-datatree: wrote %s/Kelo 2020 in %.2f s\n", argv[1], seconds);
    return 0;
}
