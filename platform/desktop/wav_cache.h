#pragma once
// Decoded samples by file, each decoded once. A background thread decodes whole
// folders ahead of use, so that playback never waits for the disk.
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

struct Mix_Chunk;

namespace kelo {

class WavCache {
public:
    WavCache() = default;
    WavCache(const WavCache&) = delete;
    WavCache& operator=(const WavCache&) = delete;
    ~WavCache();

    // Starts decoding every WAV file of the folders in the background (once).
    void preload(std::vector<std::filesystem::path> folders);
    // The decoded file, decoding it now if the background has not reached it;
    // nullptr when it is missing or unreadable (remembered as such).
    Mix_Chunk* get(const std::filesystem::path& file);
    // Waits for the background decoding to finish (tests).
    void waitForPreload();
    // Stops the background work and frees every sample; nothing may be playing.
    void clear();

private:
    static std::string keyOf(const std::filesystem::path& file);
    Mix_Chunk* remember(const std::string& key, Mix_Chunk* chunk);

    std::mutex mutex_;
    std::unordered_map<std::string, Mix_Chunk*> chunks_;
    std::thread loader_;
    std::atomic<bool> stop_{false};
};

}  // namespace kelo
