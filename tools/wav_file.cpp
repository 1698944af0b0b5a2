#include "wav_file.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace kelo::datatree {

namespace {

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

}  // namespace

void writeWav(const std::filesystem::path& file, int sampleRate, int channels,
              const std::vector<std::int16_t>& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    put32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1);  // PCM
    put16(bytes, static_cast<std::uint16_t>(channels));
    put32(bytes, static_cast<std::uint32_t>(sampleRate));
    put32(bytes, static_cast<std::uint32_t>(sampleRate * channels * 2));
    put16(bytes, static_cast<std::uint16_t>(channels * 2));
    put16(bytes, 16);
    bytes += "data";
    put32(bytes, dataBytes);
    for (std::int16_t s : samples) put16(bytes, static_cast<std::uint16_t>(s));

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write the sound " + file.string());
}

}  // namespace kelo::datatree
