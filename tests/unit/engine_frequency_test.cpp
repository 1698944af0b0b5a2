// The weighted draws against their weights: chi-square at a fixed seed, so the
// verdict is the same on every run.
#include <gtest/gtest.h>

#include <map>

#include "app/compose_button.h"
#include "engine/harmony.h"
#include "engine/pivot_notes.h"
#include "support/cells.h"
#include "support/test_window.h"

using namespace kelo;
using namespace kelo::support;

namespace {

using Weights = std::map<std::string, double>;

// Draws n times and checks that only weighted outcomes came, in proportion to
// their weights (chi-square below its critical value at p = 0.001).
void expectDrawnByWeight(int n, const std::function<std::string()>& draw, const Weights& weights) {
    static const std::map<size_t, double> critical = {{2, 13.82}, {3, 16.27}, {11, 31.26}, {14, 36.12}};
    std::map<std::string, int> seen;
    for (int i = 0; i < n; ++i) ++seen[draw()];
    double total = 0, chi = 0;
    for (const auto& [name, weight] : weights) total += weight;
    for (const auto& [name, weight] : weights) {
        double expected = n * weight / total, o = seen.count(name) ? seen[name] : 0;
        chi += (o - expected) * (o - expected) / expected;
        seen.erase(name);
    }
    EXPECT_TRUE(seen.empty()) << "drawn without weight: " << seen.begin()->first;
    EXPECT_LT(chi, critical.at(weights.size() - 1));
}

}  // namespace

TEST(Frequencies, SongFormsOfWholeCompositionsAreEven) {
    TestWindow w({.seed = 102});
    Weights weights;
    for (int i = 1; i <= 15; ++i) weights[w.f.lblInciso[i].Caption] = 1;
    expectDrawnByWeight(3000, [&] { return cmdIncisi_Click(w.f), w.f.lblInciso[23].Caption; }, weights);
}

TEST(Frequencies, CadencesFollowTheirWeightsAndAZeroIsNeverDrawn) {
    TestWindow w({.seed = 103});
    Weights weights;
    for (int i = 1; i <= 13; ++i) {
        w.f.lblFreCad[i].Caption = i == 4 ? "0" : std::to_string(1 + (i * 5) % 16);
        if (i != 4) weights[w.f.lblCadenza[i].Caption] = 1 + (i * 5) % 16;
    }
    expectDrawnByWeight(24000, [&] { return EstraiCadenza(w.f), w.f.lblCadenza[14].Caption; }, weights);
}

TEST(Frequencies, FinalNotesFollowTheirWeights) {
    TestWindow w({.seed = 104});
    auto draw = [&] { return ScegliNotaFinale(w.f), w.f.lblFine[0].Caption; };
    expectDrawnByWeight(12000, draw, {{"do'", 12}, {"SOL", 1}, {"MI", 2}, {"DO", 16}});
    w.f.lblNotafinale[1].Caption = "0";
    w.f.lblNotafinale[3].Caption = "9";
    expectDrawnByWeight(12000, draw, {{"SOL", 1}, {"MI", 9}, {"DO", 16}});
}
