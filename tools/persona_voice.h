#pragma once
// The persona's thirteen spoken lines of "Kelo", said by espeak-ng in Italian.
#include <filesystem>
#include <functional>
#include <vector>

namespace kelo::datatree {

// One job per line; each runs espeak-ng and throws when it fails.
std::vector<std::function<void()>> personaVoiceJobs(const std::filesystem::path& kelo);

}  // namespace kelo::datatree
