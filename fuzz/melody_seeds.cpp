// Writes the seed corpus of fuzz_melody into a folder: a composed melody and
// variants of it, good and broken, each checked for the verdict it is meant to get.
//   fuzz_melody_seeds fuzz/corpus/melody
#include <cstdio>

#include "melody_window.h"
#include "player/melody_record.h"
#include "seed_files.h"

using namespace kelo;
using namespace kelo::fuzz;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    support::TestWindow w(kMelodyWindow);
    const Lines composed = recordLines(w.composeAndReveal());
    // What only a record brings: a quoted, accented title, codes "3" and "1" with
    // steps of their own, chords 13..19, "Random" on; and an old file's bytes.
    const Lines awkward = with(composed, {{1, "\"Citt\xC3\xA0 \"\"d'oro\"\" \xE2\x99\xAA\""},
                                          {6, "12632319"},
                                          {37, "\"3\""},
                                          {38, "\"0\""},
                                          {39, "\"1\""},
                                          {101, "\"DO\""},
                                          {102, "\"-\""},
                                          {103, "\"-\""},
                                          {104, "\"MI\""},
                                          {15, "\"13\""},
                                          {16, "\"19\""},
                                          {182, "#TRUE#"}});
    Lines shortened(composed.begin(), composed.end() - 1);
    Lines blanks = composed;
    blanks.push_back(" \t");  // blanks after the record, as an edited file may have

    const Seed seeds[] = {
        {"composed.txt", join(composed), 0},
        {"awkward.txt", join(awkward), 0},
        {"windows-1252.txt", join(with(composed, {{1, "\"Citt\xE0 \x96 \x80\""}})), 0},
        {"bom-lf-blanks.txt", "\xEF\xBB\xBF" + join(blanks, "\n"), 0},
        {"short.txt", join(shortened), 197},
        {"after.txt", join(composed) + "fine\r\n", 198},
        {"interval.txt", join(with(composed, {{5, "\"114\""}})), 5},
        {"rhythm.txt", join(with(composed, {{40, "\"2 2\""}})), 40},
        {"step.txt", join(with(composed, {{120, "\"x\""}})), 120},
        {"flag.txt", join(with(composed, {{190, "\"#TRUE#\""}})), 190},
    };
    return writeSeeds(argv[1], seeds, readMelodyRecord) == 0 ? 0 : 1;
}
