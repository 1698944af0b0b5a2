#include "platform/desktop/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace kelo {

namespace {
constexpr int kRate = 44100;
constexpr int kChunkFrames = 512;  // about 12 ms: notes start on time
constexpr int kFirstChannels = 64;
constexpr int kCloseFadeMs = 15;  // a stop without a click
}  // namespace

SdlSound::SdlSound(FileSystem& files) : files_(files) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    open_ = true;
    allocated_ = Mix_AllocateChannels(kFirstChannels);
}

SdlSound::~SdlSound() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    cache_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::preload(const std::vector<std::string>& dataFolders) {
    if (!open_) return;
    std::vector<std::filesystem::path> folders;
    folders.reserve(dataFolders.size());
    for (const std::string& f : dataFolders) folders.emplace_back(files_.nativePath(f));
    cache_.preload(std::move(folders));
}

bool SdlSound::playable(std::string_view dataPath) {
    return !open_ || cache_.get(files_.nativePath(dataPath)) != nullptr;
}

int SdlSound::channelOf(const MediaPlayer& player) {
    auto it = channels_.find(&player);
    if (it != channels_.end()) return it->second;
    int channel = static_cast<int>(channels_.size());
    if (channel >= allocated_) allocated_ = Mix_AllocateChannels(allocated_ * 2);
    channels_.emplace(&player, channel);
    return channel;
}

void SdlSound::command(const MediaPlayer& player, std::string_view command) {
    if (!open_) return;
    if (command == "Open") {
        opened_[&player] = player.FileName.empty() ? nullptr : cache_.get(files_.nativePath(player.FileName));
    } else if (command == "Prev") {
        // Back to the start: the element is silent until it is played again.
        Mix_HaltChannel(channelOf(player));
    } else if (command == "Play") {
        auto it = opened_.find(&player);
        if (it == opened_.end() || !it->second) return;
        int channel = channelOf(player);
        // Halting first also ends a fade-out still running and restores the volume.
        Mix_HaltChannel(channel);
        Mix_PlayChannel(channel, it->second, 0);
    } else if (command == "Close") {
        // Closed: a later "Play" needs a new "Open", as on a real player.
        opened_.erase(&player);
        auto it = channels_.find(&player);
        if (it != channels_.end() && Mix_Playing(it->second)) Mix_FadeOutChannel(it->second, kCloseFadeMs);
    }
}

bool SdlSound::sounding(const MediaPlayer& player) const {
    auto it = channels_.find(&player);
    return open_ && it != channels_.end() && Mix_Playing(it->second);
}

}  // namespace kelo
