// Writes the seed corpus of fuzz_settings into a folder: the factory record and
// variants of it, good and broken, each checked for the verdict it is meant to get.
//   fuzz_settings_seeds fuzz/corpus/settings
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "settings/factory_record.h"
#include "settings/settings_check.h"

using namespace kelo;

namespace {

// The factory record as lines; line n is at [n - 1].
std::vector<std::string> factoryLines() {
    HeadlessPlatform hp;
    std::string text = FactorySettingsRecordText(hp.platform);
    std::vector<std::string> lines;
    for (size_t p = 0, e; (e = text.find("\r\n", p)) != std::string::npos; p = e + 2) lines.push_back(text.substr(p, e - p));
    return lines;
}

std::string join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string s;
    for (const std::string& l : lines) s += l + end;
    return s;
}

std::vector<std::string> with(std::vector<std::string> lines, std::vector<std::pair<int, std::string>> changes) {
    for (auto& [n, text] : changes) lines.at(static_cast<size_t>(n - 1)) = std::move(text);
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::vector<std::string> factory = factoryLines();
    const char* off = "16777215";

    std::vector<std::string> edited = with(factory, {
        {1, "\"Serata\""},
        {2, "\"11\""}, {4, off}, {6, off},  // two modules of the first list off, count follows
        {89, "16"},                          // a bare number where a caption belongs
        {248, "\"X\""},                      // one link weight taken out
    });
    edited.push_back("not read: after the record");
    std::vector<std::string> shortened(factory.begin(), factory.end() - 1);

    struct Seed {
        const char* name;
        std::string content;
        int badLine;  // 0 when the record is usable
    } seeds[] = {
        {"factory.txt", join(factory), 0},
        {"edited-lf.txt", join(edited, "\n"), 0},
        {"bom.txt", "\xEF\xBB\xBF" + join(factory), 1},
        {"short.txt", join(shortened), 1300},
        // A quoted colour, and a flag where a weight belongs.
        {"wrong-kind.txt", join(with(factory, {{6, "\"12632319\""}, {1200, "#TRUE#"}})), 6},
        // Pool bigger than the modules on, a weight above 16, a negative count.
        {"out-of-range.txt", join(with(factory, {{3, "\"14\""}, {1290, "\"17\""}, {1274, "\"-1\""}})), 3},
        // "X" on a pivot cell that takes weights, and behind it a whole link row of "X",
        // which only shows once the pivot cell is mended.
        {"x-misplaced.txt",
         join(with(factory, {{1144, "\"X\""}, {248, "\"X\""}, {249, "\"X\""}, {250, "\"X\""}, {251, "\"X\""},
                             {252, "\"X\""}, {253, "\"X\""}, {254, "\"X\""}, {255, "\"X\""}})),
         1144},
    };
    int wrong = 0;
    for (const Seed& s : seeds) {
        SettingsRecordCheck check = readSettingsRecord(s.content);
        if (check.badLine != s.badLine) {
            std::fprintf(stderr, "%s: line %d instead of %d (%s)\n", s.name, check.badLine, s.badLine, check.reason.c_str());
            ++wrong;
        }
        std::ofstream(folder / s.name, std::ios::binary) << s.content;
    }
    return wrong == 0 ? 0 : 1;
}
