#include "persona_voice.h"

#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>
#include <string>

#include "model/data_files.h"

extern char** environ;

namespace kelo::datatree {

namespace {

// What each line says, in the order of the file names: greeting, eleven comments, farewell.
constexpr const char* kWords[kPersonaLineCount] = {
    "Buongiorno! Sono Kelo, il vostro compositore.",
    "Questa mi piace proprio!",
    "Che ne dite di questa?",
    "Ecco una nuova melodia, tutta per voi.",
    "Ascoltate bene: questa è speciale.",
    "Mi è venuta di getto!",
    "Non è niente male, vero?",
    "Un piccolo capolavoro, modestamente.",
    "Questa la canticchierete tutto il giorno.",
    "Ho provato qualcosa di nuovo.",
    "Semplice, ma scritta col cuore.",
    "Che ispirazione, oggi!",
    "Addio!",
};

void speak(const char* words, const std::filesystem::path& file) {
    const std::string out = file.string();
    const char* argv[] = {"espeak-ng", "-v", "it", "-s", "150", "-w", out.c_str(), words, nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
        throw std::runtime_error("cannot run espeak-ng");
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        !std::filesystem::exists(file) || std::filesystem::file_size(file) <= 44) {
        throw std::runtime_error("espeak-ng could not say \"" + std::string(words) + "\" into " + out);
    }
}

}  // namespace

std::vector<std::function<void()>> personaVoiceJobs(const std::filesystem::path& kelo) {
    std::vector<std::function<void()>> jobs;
    jobs.reserve(kPersonaLineCount);
    for (int i = 0; i < kPersonaLineCount; ++i) {
        jobs.push_back([words = kWords[i], file = kelo / kPersonaLines[i]] { speak(words, file); });
    }
    return jobs;
}

}  // namespace kelo::datatree
