#pragma once
// The sample players on SDL2_mixer: one mixer channel per player element, so
// several elements sound at once. Without an audio device every command is
// silently ignored, as the program never reads a result back.
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/desktop/wav_cache.h"
#include "platform/services.h"

namespace kelo {

class SdlSound : public SoundOutput {
public:
    explicit SdlSound(FileSystem& files);
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;
    ~SdlSound() override;

    // Decodes the WAV files of these data folders in the background.
    void preload(const std::vector<std::string>& dataFolders);
    void waitForPreload() { cache_.waitForPreload(); }

    void command(const MediaPlayer& player, std::string_view command) override;
    // Without an audio device nothing is decoded or heard, and no file is blamed.
    bool playable(std::string_view dataPath) override;

    bool audible() const { return open_; }
    // The element's channel is playing (a fading channel still counts).
    bool sounding(const MediaPlayer& player) const;

private:
    int channelOf(const MediaPlayer& player);

    FileSystem& files_;
    bool open_ = false;
    int allocated_ = 0;
    std::unordered_map<const MediaPlayer*, int> channels_;
    std::unordered_map<const MediaPlayer*, Mix_Chunk*> opened_;
    WavCache cache_;
};

}  // namespace kelo
