#include "platform/desktop/wav_cache.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <system_error>

namespace kelo {

namespace fs = std::filesystem;

namespace {
bool isWav(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".wav";
}
}  // namespace

WavCache::~WavCache() { clear(); }

std::string WavCache::keyOf(const fs::path& file) {
    std::error_code ec;
    fs::path abs = fs::absolute(file, ec);
    return (ec ? file : abs).lexically_normal().string();
}

Mix_Chunk* WavCache::remember(const std::string& key, Mix_Chunk* chunk) {
    std::lock_guard lock(mutex_);
    auto [it, inserted] = chunks_.emplace(key, chunk);
    if (!inserted && it->second != chunk) {
        // Decoded twice at once (background and on demand): keep the first copy.
        if (chunk) Mix_FreeChunk(chunk);
    }
    return it->second;
}

Mix_Chunk* WavCache::get(const fs::path& file) {
    std::string key = keyOf(file);
    {
        std::lock_guard lock(mutex_);
        auto it = chunks_.find(key);
        if (it != chunks_.end()) return it->second;
    }
    return remember(key, Mix_LoadWAV(key.c_str()));
}

void WavCache::preload(std::vector<fs::path> folders) {
    if (loader_.joinable()) return;
    loader_ = std::thread([this, folders = std::move(folders)] {
        for (const fs::path& folder : folders) {
            std::error_code ec;
            std::vector<fs::path> files;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
                if (isWav(it->path())) files.push_back(it->path());
            std::sort(files.begin(), files.end());
            for (const fs::path& f : files) {
                if (stop_) return;
                std::string key = keyOf(f);
                {
                    std::lock_guard lock(mutex_);
                    if (chunks_.count(key)) continue;
                }
                remember(key, Mix_LoadWAV(key.c_str()));
            }
        }
    });
}

void WavCache::waitForPreload() {
    if (loader_.joinable()) loader_.join();
}

void WavCache::clear() {
    stop_ = true;
    if (loader_.joinable()) loader_.join();
    std::lock_guard lock(mutex_);
    for (auto& [key, chunk] : chunks_)
        if (chunk) Mix_FreeChunk(chunk);
    chunks_.clear();
}

}  // namespace kelo
