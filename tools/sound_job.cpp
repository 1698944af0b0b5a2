#include "sound_job.h"

#include "wav_file.h"

namespace kelo::datatree {

void renderToFile(const SoundJob& job, const std::filesystem::path& soundFont) {
    writeWav(job.file, kSampleRate, kChannels, render(job.performance, soundFont));
}

}  // namespace kelo::datatree
