#include "player/score_display.h"

#include "engine/harmony.h"
#include "engine/pitch_names.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/data_files.h"
#include "model/form_services.h"
#include "model/main_window.h"
#include "player/missing_files.h"
#include "player/sequencer.h"
#include "titles/title_types.h"

namespace kelo {

namespace {

constexpr int kHalfBars = 16;
constexpr int kNoteBoxes = 32;  // boxes 33..36 hold the clefs and the time signature

// A note box shows the pitch of its own slot in a note shape, or a picture of its own.
struct Box {
    const char* shape;
    const char* picture;
};
constexpr Box note(const char* shape) { return {shape, nullptr}; }
constexpr Box kEmpty{nullptr, "vuoto.jpg"};
constexpr Box kRest{nullptr, "pausa.jpg"};

struct Drawing {
    std::string_view code;
    Box first, second;
};
constexpr Drawing kDrawings[] = {
    {"0", kEmpty, kEmpty},     {"1", kEmpty, note("1")},  {"2", note("2"), kEmpty},
    {"3", note("3"), kEmpty},  {"4", note("4"), kEmpty},  {"RP", note("1p"), note("c")},
    {"1 P", note("1"), kRest}, {"P 1", kRest, note("1")}, {"1 1", note("1"), note("1")},
};
// A code the score does not know shows empty staff rather than the previous melody.
constexpr Drawing kUnknown{"", kEmpty, kEmpty};

const Drawing& drawingOf(std::string_view code) {
    for (const Drawing& d : kDrawings)
        if (d.code == code) return d;
    return kUnknown;
}

std::string grafica(const frmKeloTrundo15& f, const std::string& name) {
    return DataPath(f.lblDir.Caption, ("Grafica\\" + name).c_str());
}

void drawBox(frmKeloTrundo15& f, int k, const Box& box) {
    if (k < 1 || k > kNoteBoxes) return;
    std::string name = kEmpty.picture;
    if (box.picture) {
        name = box.picture;
    } else if (const std::string& pitch = f.lblMelos[k].Caption; pitchNumber(pitch) != 0) {
        name = FiguraNota(pitch, box.shape);
    }
    std::string path = grafica(f, name);
    if (!FiguraDisponibile(f, path)) {
        path = grafica(f, kEmpty.picture);  // empty staff in its place, or nothing at all
        if (!FiguraDisponibile(f, path)) path.clear();
    }
    f.ImgNota[k].Picture = path;
}

// Draws the next half-bar; true on the tick that has drawn half-bar 16. A reveal
// that has run past it stops.
bool revealTick(frmKeloTrundo15& f, Timer& timer) {
    MostraFigureNote(f);
    int next = add16(number(f.lblStoComponendo), 1);
    setNumber(f.lblStoComponendo, next);
    if (next > kHalfBars + 1) timer.SetEnabled(false);
    return next == kHalfBars + 1;
}

// A chord name is printed at half-bar 1 and wherever the chord differs from the
// last one printed; a piece that ends on a half note away from DO+ gets DO+ at the end.
void mostraNomiAccordi(frmKeloTrundo15& f) {
    for (int j = 1; j <= kHalfBars; ++j) {
        Label& chord = f.lblArmonie[j];
        if (chord.Caption.empty()) continue;
        chord.Visible = chord.Caption != f.lblMem.Caption;
        if (chord.Visible) f.lblMem.Caption = chord.Caption;
    }
    if (f.lblMem.Caption != "DO+" && f.lblDueQuarti[kHalfBars].Caption == "2") {
        f.lblArmonie[kHalfBars].Caption = "DO+";
        f.lblArmonie[kHalfBars].Visible = true;
    }
}

void endReveal(frmKeloTrundo15& f, Timer& timer) {
    timer.SetEnabled(false);
    f.FraStoComponendo.Visible = false;
}

void giveComposingBack(frmKeloTrundo15& f) {
    f.TxtCompositore.Visible = true;
    f.cmdIncisi.Enabled = true;
    f.sys.display.focus(f, f.cmdIncisi);
    f.lblPulsante[Pulsante::Esegui].Enabled = true;
}

// "Subito" plays every new melody as soon as it is on the staff.
void playAtOnce(frmKeloTrundo15& f) {
    if (isOn(f.lblPulsante[Pulsante::Subito])) {
        AvviaEsecuzione(f);
    }
    f.lblPulsante[Pulsante::Ripetizione].Enabled = true;
    f.lblPulsante[Pulsante::Subito].Enabled = true;
}

}  // namespace

bool isRhythmCode(std::string_view code) { return &drawingOf(code) != &kUnknown; }

void PreparaRivelazione(frmKeloTrundo15& f) {
    f.lblStoComponendo.Caption = "1";
    f.lblIncrementa.Caption = "0";
    f.lblMem.Caption.clear();
}

void SegnaNuovaMelodia(frmKeloTrundo15& f) {
    f.lblAvvertimento.Visible = false;
    f.lblNumeroVariante.Caption = "0";
    f.lblNumeroVariante.BackColor = ColoreSpento;
    f.lblRipetizioni.Caption = "0";
}

void SvuotaImmaginiNote(frmKeloTrundo15& f) {
    for (int k = 1; k <= kNoteBoxes; ++k) f.ImgNota[k].Picture = LoadPicture(f, grafica(f, kEmpty.picture));
}

std::string FiguraNota(std::string_view pitch, std::string_view shape) {
    std::string name(pitch);
    name += pitch == "si" ? '_' : ' ';
    name += shape;
    return name + ".jpg";
}

void MostraFigureNote(frmKeloTrundo15& f) {
    int s = number(f.lblStoComponendo);
    int k = add16(number(f.lblIncrementa), s);
    if (s >= 1 && s <= kHalfBars) {
        const Drawing& d = drawingOf(f.lblDueQuarti[s].Caption);
        drawBox(f, k, d.first);
        drawBox(f, k + 1, d.second);
    }
    setNumber(f.lblIncrementa, add16(number(f.lblIncrementa), 1));
}

void TmrMostraMelodia_Timer(frmKeloTrundo15& f) {
    if (!revealTick(f, f.TmrMostraMelodia)) return;
    f.lblKeloPrecedente.BackColor = ColoreKeloPronto;
    mostraNomiAccordi(f);
    endReveal(f, f.TmrMostraMelodia);
    if (f.lblNumeroVariante.BackColor == ColoreSpento) ScegliTipologiaTitolo(f);  // a variant keeps its title
    giveComposingBack(f);
    ScegliAccompagnamento(f);
    playAtOnce(f);
    f.lblVariante.Enabled = true;
}

void TmrMostraMelodiaDaFile_Timer(frmKeloTrundo15& f) {
    if (!revealTick(f, f.TmrMostraMelodiaDaFile)) return;
    f.lblKeloPrecedente.BackColor = ColoreKeloPronto;
    endReveal(f, f.TmrMostraMelodiaDaFile);
    giveComposingBack(f);
    for (int j = 1; j <= kHalfBars; ++j)
        if (f.lblAccomp[j].BorderStyle == 1) f.lblArmonie[j].Visible = true;
    playAtOnce(f);
}

}  // namespace kelo
