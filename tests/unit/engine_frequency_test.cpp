// The weighted draws against their weights: chi-square at a fixed seed, so the
// verdict is the same on every run.
#include <gtest/gtest.h>

#include <map>

#include "app/compose_button.h"
#include "engine/harmony.h"
#include "engine/pivot_notes.h"
#include "engine/song_form.h"
#include "engine_test_support.h"

using namespace kelo;
using namespace kelo::enginetest;

namespace {

// Critical values of chi-square at p = 0.001.
double critical(int degrees) {
    static const std::map<int, double> table = {{1, 10.83}, {2, 13.82}, {3, 16.27}, {5, 20.52}, {7, 24.32},
                                                {9, 27.88}, {11, 31.26}, {12, 32.91}, {14, 36.12}};
    return table.at(degrees);
}

double chiSquare(const std::map<std::string, int>& observed, const std::map<std::string, double>& weights,
                 int draws) {
    double totalWeight = 0;
    for (const auto& [name, weight] : weights) totalWeight += weight;
    double chi = 0;
    for (const auto& [name, weight] : weights) {
        double expected = draws * weight / totalWeight;
        auto it = observed.find(name);
        double o = it == observed.end() ? 0 : it->second;
        chi += (o - expected) * (o - expected) / expected;
    }
    return chi;
}

}  // namespace

TEST(Frequencies, SongFormsFollowTheirWeights) {
    EngineWindow w(101);
    std::map<std::string, double> weights;
    for (int i = 1; i <= 15; ++i) {
        bool on = i % 5 != 0;
        w.f.lblInciso[i].BackColor = on ? ColoreAcceso : ColoreSpento;
        w.f.lblFreqIncisi[i].Caption = std::to_string(1 + (i * 7) % 16);
        if (on) weights[w.f.lblInciso[i].Caption] = 1 + (i * 7) % 16;
    }
    std::map<std::string, int> seen;
    const int n = 24000;
    for (int i = 0; i < n; ++i) {
        cmdScegliInciso_Click(w.f);
        ++seen[w.f.lblInciso[23].Caption];
    }
    EXPECT_EQ(seen.size(), weights.size());  // nothing switched off was drawn
    EXPECT_LT(chiSquare(seen, weights, n), critical(11));
}

TEST(Frequencies, SongFormsOfWholeCompositionsAreEven) {
    EngineWindow w(102);
    std::map<std::string, double> weights;
    for (int i = 1; i <= 15; ++i) weights[w.f.lblInciso[i].Caption] = 1;
    std::map<std::string, int> seen;
    const int n = 3000;
    for (int i = 0; i < n; ++i) {
        cmdIncisi_Click(w.f);
        ++seen[w.f.lblInciso[23].Caption];
    }
    EXPECT_LT(chiSquare(seen, weights, n), critical(14));
}

TEST(Frequencies, CadencesFollowTheirWeights) {
    EngineWindow w(103);
    std::map<std::string, double> weights;
    for (int i = 1; i <= 13; ++i) {
        w.f.lblFreCad[i].Caption = std::to_string(1 + (i * 5) % 16);
        weights[w.f.lblCadenza[i].Caption] = 1 + (i * 5) % 16;
    }
    w.f.lblFreCad[4].Caption = "0";  // a weight of 0 is never drawn
    weights.erase(w.f.lblCadenza[4].Caption);
    std::map<std::string, int> seen;
    const int n = 24000;
    for (int i = 0; i < n; ++i) {
        EstraiCadenza(w.f);
        ++seen[w.f.lblCadenza[14].Caption];
    }
    EXPECT_EQ(seen.count(w.f.lblCadenza[4].Caption), 0u);
    EXPECT_LT(chiSquare(seen, weights, n), critical(11));
}

TEST(Frequencies, FinalNotesFollowTheirWeights) {
    EngineWindow w(104);
    std::map<std::string, double> weights = {{"do'", 12}, {"SOL", 1}, {"MI", 2}, {"DO", 16}};
    std::map<std::string, int> seen;
    const int n = 12000;
    for (int i = 0; i < n; ++i) {
        ScegliNotaFinale(w.f);
        ++seen[w.f.lblFine[0].Caption];
    }
    EXPECT_LT(chiSquare(seen, weights, n), critical(3));

    w.f.lblNotafinale[1].Caption = "0";
    w.f.lblNotafinale[3].Caption = "9";
    weights = {{"SOL", 1}, {"MI", 9}, {"DO", 16}};
    seen.clear();
    for (int i = 0; i < n; ++i) {
        ScegliNotaFinale(w.f);
        ++seen[w.f.lblFine[0].Caption];
    }
    EXPECT_EQ(seen.count("do'"), 0u);
    EXPECT_LT(chiSquare(seen, weights, n), critical(2));
}
