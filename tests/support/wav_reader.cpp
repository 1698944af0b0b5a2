#include "support/wav_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace kelo::support {

namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

std::optional<WavSound> readWav(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;

    WavSound sound;
    int bits = 0;
    bool pcm = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        std::size_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) size = b.size() - body;  // a writer that never fixed its sizes
        if (id == "fmt " && size >= 16) {
            pcm = le16(b, body) == 1;
            sound.channels = le16(b, body + 2);
            sound.sampleRate = static_cast<int>(le32(b, body + 4));
            bits = le16(b, body + 14);
        } else if (id == "data") {
            if (!pcm || bits != 16 || sound.channels < 1) return std::nullopt;
            const std::size_t frames = size / (2u * static_cast<std::size_t>(sound.channels));
            sound.mono.resize(frames);
            for (std::size_t f = 0; f < frames; ++f) {
                double sum = 0;
                for (int c = 0; c < sound.channels; ++c) {
                    const std::int16_t v = static_cast<std::int16_t>(le16(b, body + 2 * (f * sound.channels + c)));
                    sum += v;
                    sound.peak = std::max(sound.peak, std::abs(v / 32768.0));
                }
                sound.mono[f] = sum / sound.channels / 32768.0;
            }
            return sound;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace kelo::support
