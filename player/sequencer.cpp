#include "player/sequencer.h"

#include <array>
#include <iterator>
#include <string_view>

#include "engine/pitch_names.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "platform/dispatch.h"
#include "player/missing_files.h"
#include "player/sample_player.h"

namespace kelo {

namespace {

constexpr int kHalfBars = 16;
constexpr int kSteps = 64;

// The steps a rhythm code writes from the first step of its half-bar on: F and G
// start the half-bar's first and second note, '-' holds the note that sounds,
// '.' silences it. A whole note holds on through the next half-bar.
struct Pattern {
    std::string_view code;
    std::string_view steps;
};
constexpr Pattern kPatterns[] = {
    {"4", "F-------"}, {"2", "F---"}, {"1 1", "F-G-"}, {"1 P", "F-.."}, {"P 1", "..G-"}, {"RP", "F--G"},
};

void expand(frmKeloTrundo15& f, int j) {
    const std::string& code = f.lblDueQuarti[j].Caption;
    for (const Pattern& p : kPatterns) {
        if (p.code != code) continue;
        const int first = 4 * j - 3;
        for (int i = 0; i < static_cast<int>(p.steps.size()) && first + i <= kSteps; ++i) {
            Label& step = f.lblStep[first + i];
            switch (p.steps[static_cast<size_t>(i)]) {
            case 'F': step.Caption = f.lblMelos[2 * j - 1].Caption; break;
            case 'G': step.Caption = f.lblMelos[2 * j].Caption; break;
            case '-': step.Caption = "-"; break;
            default: step.Caption.clear(); break;
            }
        }
        return;
    }
}

// The chord player an accompaniment code names, 1..19; 0 for "" and for any
// code of a record that names no player.
int chordElement(const std::string& code) { return plainNumberIn(code, 1, 19); }

// A missing or unreadable sample leaves its notes silent; the first one is named
// once. Each sample the piece uses is looked at once, notes before chords.
void checkSamples(frmKeloTrundo15& f) {
    std::array<bool, 11> notes{};
    std::array<bool, 20> chords{};
    for (int s = 1; s <= kSteps; ++s) notes[static_cast<size_t>(pitchNumber(f.lblStep[s].Caption))] = true;
    for (int j = 1; j <= kHalfBars; ++j) chords[static_cast<size_t>(chordElement(f.lblAccomp[j].Caption))] = true;
    auto check = [&](const auto& used, ControlArray<MediaPlayer>& players) {
        for (size_t n = 1; n < used.size() && f.lblFileMancante.Caption.empty(); ++n)
            if (used[n] && !players[static_cast<int>(n)].FileName.empty())
                CampioneDisponibile(f, players[static_cast<int>(n)].FileName);
    };
    check(notes, f.mmcPiano);
    check(chords, f.mmcAccordi);
}

void azzeraContatori(frmKeloTrundo15& f) {
    for (Label* c : {&f.lblStepAudio, &f.lblIndiceAcc, &f.lblCoeffAcc, &f.lblCommandPrec, &f.lblCoeff})
        c->Caption = "0";
}

// Note slot k lights at step 2k - 1 and the light of slot k - 1 goes dark; taken
// from the step alone, so that "Indicatori" switched during a run keeps to the lights.
void moveLight(frmKeloTrundo15& f, int s) {
    setNumber(f.lblResto, s % 2);
    if (s % 2 == 0) return;
    const int slot = (s + 1) / 2;
    f.ShpIndicatore[slot].BackColor = ColoreAcceso;
    f.ShpIndicatore[slot - 1].BackColor = ColoreSpento;
    setNumber(f.lblCoeff, add16(number(f.lblCoeff), 1));
}

// The repeat modes in the order the repeat label steps through them.
enum class After { Stop, Replay, Compose };
struct RepeatMode {
    std::string_view caption;
    bool twice;  // one replay first, counted in lblRipetizioni
    After after;
};
constexpr RepeatMode kModes[] = {
    {"Bis", true, After::Stop},        {"Ripeti", false, After::Replay}, {"Singolo e >", false, After::Compose},
    {"Bis e >", true, After::Compose}, {"Singolo", false, After::Stop},
};

void replayOrStop(frmKeloTrundo15& f) {
    for (const RepeatMode& m : kModes) {
        if (m.caption != f.lblPulsante[Pulsante::Ripetizione].Caption) continue;
        if (m.twice) {
            setNumber(f.lblRipetizioni, add16(number(f.lblRipetizioni), 1));
            if (number(f.lblRipetizioni) == 1) {
                f.TmrReplay.SetEnabled(true);
                return;
            }
        }
        f.lblRipetizioni.Caption = "0";
        switch (m.after) {
        case After::Stop: AbilitaFile(f, true); break;
        case After::Replay: f.TmrReplay.SetEnabled(true); break;
        case After::Compose: raiseClick(f.cmdIncisi); break;  // the next melody
        }
        return;
    }
}

void finePezzo(frmKeloTrundo15& f) {
    f.lblVariante.BackColor = ColoreSpento;
    // The chord that sounded last, whichever element it was.
    f.mmcAccordi[number(f.lblCommandPrec)].Command("Close");
    azzeraContatori(f);
    f.TmrAudio.SetEnabled(false);
    for (int i : {Pulsante::Indicatori, Pulsante::Ripetizione, Pulsante::Subito}) f.lblPulsante[i].Enabled = true;
    f.mmcPiano[number(f.lblPrecedente)].Command("Close");
    f.ShpIndicatore[Indicatore::Ultimo].BackColor = ColoreSpento;
    MostraInEsecuzione(f, false);
    replayOrStop(f);
}

}  // namespace

std::string_view ModoDopo(std::string_view mode) {
    constexpr size_t n = std::size(kModes);
    for (size_t i = 0; i < n; ++i)
        if (kModes[i].caption == mode) return kModes[(i + 1) % n].caption;
    return {};
}

void AvviaEsecuzione(frmKeloTrundo15& f) {
    for (int j = 1; j <= kHalfBars; ++j) {
        f.lblMelos[2 * j - 1].BackColor = ColoreSpento;
        f.lblMelos[2 * j].BackColor = f.lblDueQuarti[j].Caption == "RP" ? ColoreAcceso : ColoreSpento;
    }
    for (int j = 1; j <= kHalfBars; ++j) expand(f, j);
    f.lblPulsante[Pulsante::Indicatori].Enabled = false;
    f.lblPulsante[Pulsante::Esegui].Enabled = true;
    f.lblAvvertimento.Visible = false;
    f.lblVariante.BackColor = ColoreSpento;
    f.lblArmonie[DueQuarti::Primo].Caption = "DO+";
    f.lblArmonie[DueQuarti::Primo].Visible = true;
    f.TmrReplay.SetEnabled(false);
    f.lblRipetizioni.Caption = "0";
    MostraInEsecuzione(f, true);
    checkSamples(f);
    f.TmrAudio.SetEnabled(true);
}

void TmrAudio_Timer(frmKeloTrundo15& f) {
    const std::string& at = f.lblStepAudio.Caption;
    const int p = number(f.lblStepAudio);
    if (at == "64") {
        f.lblStepAudio.Caption = "65";
        f.ShpIndicatore[Indicatore::Ultimo].BackColor = ColoreSpento;
        return;
    }
    if (at == "65" || at == "66") {
        setNumber(f.lblStepAudio, p + 1);
        return;
    }
    if (at == "67") {
        finePezzo(f);
        return;
    }
    const int s = add16(p, 1);
    if (isOn(f.lblPulsante[Pulsante::Indicatori])) moveLight(f, s);
    if (s % 4 == 1) {
        setNumber(f.lblIndiceAcc, add16(number(f.lblIndiceAcc), 1));
        if (isOn(f.lblPulsante[Pulsante::Accordi])) SuonaAccordo(f);
        setNumber(f.lblCoeffAcc, add16(number(f.lblCoeffAcc), 2));
    }
    const std::string& t = f.lblStep[s].Caption;
    if (int n = pitchNumber(t))
        SuonaCampione(f.mmcPiano, f.lblPrecedente, n);
    else if (t.empty())
        f.mmcPiano[number(f.lblPrecedente)].Command("Close");
    setNumber(f.lblStepAudio, s);
}

void SuonaAccordo(frmKeloTrundo15& f) {
    const int k = number(f.lblIndiceAcc);
    if (k <= 0) return;
    // An empty code lets the chord that sounds go on.
    if (int n = chordElement(f.lblAccomp[k].Caption)) SuonaCampione(f.mmcAccordi, f.lblCommandPrec, n);
}

void TmrReplay_Timer(frmKeloTrundo15& f) {
    f.TmrReplay.SetEnabled(false);
    f.lblPulsante[Pulsante::Indicatori].Enabled = false;
    MostraInEsecuzione(f, true);
    f.TmrAudio.SetEnabled(true);
}

void cmdAudio_Click(frmKeloTrundo15& f) { f.TmrAudio.SetEnabled(true); }

void SilenziaEsecuzione(frmKeloTrundo15& f, int first) {
    f.TmrAudio.SetEnabled(false);
    f.TmrReplay.SetEnabled(false);
    for (int i = first; i <= 10; ++i) f.mmcPiano[i].Command("Close");
    for (int i = first; i <= 19; ++i) f.mmcAccordi[i].Command("Close");
}

void FermaEsecuzione(frmKeloTrundo15& f, int first) {
    azzeraContatori(f);
    f.lblPulsante[Pulsante::Indicatori].Enabled = true;
    MostraInEsecuzione(f, false);
    SilenziaEsecuzione(f, first);
    for (int k = 1; k <= 32; ++k) f.ShpIndicatore[k].BackColor = ColoreSpento;
}

void MostraInEsecuzione(frmKeloTrundo15& f, bool playing) {
    f.lblPulsante[Pulsante::Esegui].Caption = playing ? "O" : ">";
    f.lblPulsante[Pulsante::Esegui].BackColor = playing ? ColoreAcceso : ColoreSpento;
}

void AbilitaFile(frmKeloTrundo15& f, bool enabled) {
    for (int i = Puls::SalvaMelodia; i <= Puls::CaricaImpostazioni; ++i) f.lblPuls[i].Enabled = enabled;
}

}  // namespace kelo
