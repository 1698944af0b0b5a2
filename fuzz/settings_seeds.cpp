// Writes the seed corpus of fuzz_settings into a folder: the factory record and
// variants of it, good and broken, each checked for the verdict it is meant to get.
//   fuzz_settings_seeds fuzz/corpus/settings
#include <cstdio>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "seed_files.h"
#include "settings/factory_record.h"
#include "settings/settings_check.h"

using namespace kelo;
using namespace kelo::fuzz;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    HeadlessPlatform hp;
    const Lines factory = recordLines(FactorySettingsRecordText(hp.platform));
    const char* off = "16777215";

    Lines edited = with(factory, {
                                     {1, "\"Serata\""},
                                     {2, "\"11\""},
                                     {4, off},
                                     {6, off},        // two modules of the first list off, count follows
                                     {89, "16"},      // a bare number where a caption belongs
                                     {248, "\"X\""},  // one link weight taken out
                                 });
    edited.push_back(" \t");  // blanks after the record, as an edited file may have
    Lines shortened(factory.begin(), factory.end() - 1);

    const Seed seeds[] = {
        {"factory.txt", join(factory), 0},
        {"edited-lf.txt", join(edited, "\n"), 0},
        {"bom.txt", "\xEF\xBB\xBF" + join(factory), 0},
        {"short.txt", join(shortened), 1300},
        {"after.txt", join(factory) + "\r\n\"1\"\r\n", 1302},
        // A quoted colour, and a flag where a weight belongs.
        {"wrong-kind.txt", join(with(factory, {{6, "\"12632319\""}, {1200, "#TRUE#"}})), 6},
        // Pool bigger than the modules on, a weight above 16, a negative count.
        {"out-of-range.txt", join(with(factory, {{3, "\"14\""}, {1290, "\"17\""}, {1274, "\"-1\""}})), 3},
        // "X" on a pivot cell that takes weights, and behind it a whole link row of "X",
        // which only shows once the pivot cell is mended.
        {"x-misplaced.txt",
         join(with(factory, {{1144, "\"X\""},
                             {248, "\"X\""},
                             {249, "\"X\""},
                             {250, "\"X\""},
                             {251, "\"X\""},
                             {252, "\"X\""},
                             {253, "\"X\""},
                             {254, "\"X\""},
                             {255, "\"X\""}})),
         1144},
    };
    return writeSeeds(argv[1], seeds, readSettingsRecord) == 0 ? 0 : 1;
}
