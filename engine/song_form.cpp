#include "engine/song_form.h"

#include <string_view>

#include "engine/weighted_draw.h"
#include "model/cell_roles.h"
#include "model/main_window.h"

namespace kelo {

namespace {
// The character at 1-based position `pos`, or "" past the end.
std::string_view charAt(std::string_view s, size_t pos) { return pos <= s.size() ? s.substr(pos - 1, 1) : ""; }

struct SectionCopy {
    std::string_view form;
    int source;
    int target;
};
constexpr SectionCopy kCopies[] = {
    {"AABA", 1, 2}, {"AABB", 1, 2}, {"AABC", 1, 2}, {"AAAA", 1, 3}, {"AAAB", 1, 3}, {"ABAA", 1, 3},
    {"ABAB", 1, 3}, {"ABAC", 1, 3}, {"ABBA", 2, 3}, {"ABBB", 2, 3}, {"ABBC", 2, 3},
};
}  // namespace

void cmdScegliInciso_Click(frmKeloTrundo15& f) {
    cmdScegliInciso2_Click(f);
    std::string_view form = f.lblInciso[Inciso::Forma].Caption;
    f.lblInciso[Inciso::Lettera2].Caption = charAt(form, 2);
    f.lblInciso[Inciso::Lettera3].Caption = charAt(form, 3);
    f.lblInciso[Inciso::Lettera4].Caption = form.empty() ? std::string_view() : form.substr(form.size() - 1);
}

void cmdScegliInciso2_Click(frmKeloTrundo15& f) {
    int k = EstrazionePesata(f, f.lblInciso, f.lblFreqIncisi, 15, "lblFreqIncisi (song forms)");
    f.lblInciso[Inciso::Forma].Caption = f.lblScelta[k].Caption;
}

void CopiaSezioneRipetuta(frmKeloTrundo15& f) {
    const SectionCopy* copy = nullptr;
    for (const SectionCopy& c : kCopies)
        if (c.form == f.lblInciso[Inciso::Forma].Caption) copy = &c;
    if (!copy) return;
    const int s = copy->source;
    const int t = copy->target;
    // A target section ending on a dotted quarter is left alone, modules included.
    if (f.lblDueQuarti[4 * t].Caption == "RP") return;

    f.lblMod[2 * t - 1].Caption = f.lblMod[2 * s - 1].Caption;
    f.lblMod[2 * t].Caption = f.lblMod[2 * s].Caption;
    const int d = 4 * (t - s);
    for (int j = 4 * s - 3; j <= 4 * s; ++j) {
        f.lblDueQuarti[j + d].Caption = f.lblDueQuarti[j].Caption;
        f.lblPerno[j + d].Caption = f.lblPerno[j].Caption;
        f.lblArmonie[j + d].Caption = f.lblArmonie[j].Caption;
        f.lblArmonie[j + d].Visible = f.lblArmonie[j].Visible;
    }
    for (int k = 8 * s - 7; k <= 8 * s; ++k) f.lblMelos[k + 2 * d].Caption = f.lblMelos[k].Caption;
}

}  // namespace kelo
