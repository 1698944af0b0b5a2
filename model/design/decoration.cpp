// Region panels behind the tables and the fixed texts: headings, axis labels
// and separators. Every panel sits 105 twips from its neighbours.
#include "model/design/design_kit.h"
#include "model/design/regions.h"
#include "model/main_window.h"

namespace kelo::design {

namespace {

constexpr Colour kPanelEdge = 0xA9CDE6;  // a darker shade of the panel colour

struct Panel {
    float left, top, width, height;
    Colour colour;
};

// Light panels behind the regions; white behind the place of the exit question
// (the title and the score); the blue badge with the credits at the top right.
constexpr Panel kPanels[] = {
    {120, 840, 2775, 5535, ColoreSfondo},     // rhythm modules
    {3000, 120, 9255, 5655, ColoreSpento},    // title and score
    {12360, 120, 2775, 615, ColoreBanner},    // credits
    {12360, 840, 2775, 3375, ColoreSfondo},   // song forms
    {12360, 4320, 2775, 2055, ColoreSfondo},  // chords and final notes
    {3000, 5880, 9255, 495, ColoreSfondo},    // options row
    {120, 6480, 6735, 4920, ColoreSfondo},    // pivot-note weights
    {6960, 6480, 2175, 4920, ColoreSfondo},   // cadences
    {9240, 6480, 5895, 3855, ColoreSfondo},   // link page
    {9240, 10440, 5895, 960, ColoreSfondo},   // bottom row
};

class Texts {
public:
    explicit Texts(frmKeloTrundo15& f) : f_(f) {}
    Label& put(int item, float left, float top, float width, const char* caption, FontSpec font = kCellFont,
               Align align = Align::Left) {
        Label& t = f_.lblScritteVarie[item];
        fixedText(t, left, top, width, 255, caption, font, align);
        return t;
    }
    Label& heading(int item, float left, float top, float width, const char* caption, Align align = Align::Left) {
        Label& t = put(item, left, top, width, caption, kSectionFont, align);
        t.ForeColor = kSectionInk;
        return t;
    }
    // A name centred over a 255-wide cell column at `column`.
    Label& over(int item, float column, float top, const char* caption) {
        return put(item, column - 90, top, 435, caption, kCellFont, Align::Center);
    }

private:
    frmKeloTrundo15& f_;
};

// Items of lblScritteVarie; 40 (banner), 68..71 (final notes), 74, 75 (profile) and 87 are taken.
// clang-format off
enum : int {
    kMod1 = 0, kMod2, kModCount1, kModCount2,
    kSongForms = 4, kChords, kChordRows, kChordColumns = 9,
    kPivots = 12, kKeys, kChordTones = 16, kNote = 29, kPivotRows = 30,
    kCadences = 41, kLinks, kLinkColumns, kDashes = 53,
    kMelodies = 61, kCredit1, kCredit2,
};
// clang-format on

}  // namespace

void decoration(frmKeloTrundo15& f) {
    f.lblScritteVarie.forEach([](Label& t) {
        t.Transparent = true;
        t.Font = kHeadingFont;
    });
    // The spare items carry no text.
    for (int item : {64, 65, 66, 67, 72, 73}) f.lblScritteVarie[item].Visible = false;

    int shape = 0;
    f.ShpVari.forEach([](Shape& s) {
        s.BackColor = ColoreSfondo;
        s.Visible = false;
    });
    for (const Panel& p : kPanels) {
        Shape& s = f.ShpVari[shape++];
        s.place(p.left, p.top, p.width, p.height);
        s.BackColor = p.colour;
        s.Outline = p.colour != ColoreBanner;
        s.BorderColor = kPanelEdge;
        s.Visible = true;
    }

    Texts t(f);
    // Credits on the blue badge.
    Label& credit =
        t.put(kCredit1, 12360, 165, 2775, "Kelo-trundo 2020", {"Times New Roman", 12.0f, true, false}, Align::Center);
    credit.ForeColor = 0xFFFFFF;
    credit.Height = 300;
    Label& persona = t.put(kCredit2, 12360, 450, 2775, "compositore artificiale",
                           {"Times New Roman", 9.75f, false, true}, Align::Center);
    persona.ForeColor = 0xE3FEFF;

    // Rhythm modules.
    t.heading(kMod1, 240, 960, 735, "MOD 1", Align::Center);
    t.heading(kMod2, 1680, 960, 735, "MOD 2", Align::Center);
    t.put(kModCount1, 165, 6000, 855, "N° Moduli:", kCellFont, Align::Right);
    t.put(kModCount2, 1605, 6000, 855, "N° moduli:", kCellFont, Align::Right);

    // Song forms; chords and final notes.
    t.heading(kSongForms, 12480, 960, 2175, "INCISI RITMICI");
    t.heading(kChords, 12480, 4440, 2235, "ACCORDI E NOTE FINALI");
    constexpr const char* chords[3] = {"DO+", "SOL+", "FA+"};
    for (int k = 0; k < 3; ++k) {
        t.put(kChordRows + k, 12420, 5280 + 360 * k, 540, chords[k], kCellFont, Align::Right);
        t.over(kChordColumns + k, 13000 + 435 * k, 4920, chords[k]);
    }
    constexpr const char* finals[4] = {"do'", "SOL", "MI", "DO"};
    for (int k = 0; k < 4; ++k) t.put(68 + k, 14280, 4920 + 360 * k, 435, finals[k]);

    // Pivot-note weights: keys over their columns, chord tones over each column, pitches by the rows.
    t.heading(kPivots, 240, 6600, 3000, "SELEZIONE 'NOTE PERNO'");
    t.heading(kKeys, 240, 7080, 1695, "DO MAGGIORE", Align::Center);
    t.heading(kKeys + 1, 2160, 7080, 2175, "SOL MAGGIORE", Align::Center);
    t.heading(kKeys + 2, 4560, 7080, 1695, "FA MAGGIORE", Align::Center);
    constexpr const char* tones[13] = {"DO", "MI",  "SOL", "do'", "si", "RE", "SOL",
                                       "SI", "re'", "DO",  "FA",  "LA", "do'"};
    for (int j = 0; j < 13; ++j) t.over(kChordTones + j, 240 + 480 * j, 7440, tones[j]);
    constexpr const char* pitches[10] = {"si", "DO", "RE", "MI", "FA", "SOL", "LA", "SI", "do'", "re'"};
    t.put(kNote, 6360, 7440, 435, "Note");
    for (int p = 0; p < 10; ++p) t.put(kPivotRows + p, 6360, 11040 - 360 * p, 435, pitches[p]);

    // Cadences.
    t.heading(kCadences, 7080, 6600, 1575, "CADENZE");

    // Link page: the heading ends where the case's chord follows; next pivots over the columns; figure rows.
    t.heading(kLinks, 10560, 6600, 3060, "COLLEGAMENTI MELODICI IN", Align::Right);
    for (int r = 0; r < 10; ++r) t.over(kLinkColumns + r, 10440 + 480 * r, 7080, pitches[r]);
    for (int c = 0; c < 8; ++c) t.put(kDashes + c, 9735, 7440 + 360 * c, 225, "-", kCellFont, Align::Center);

    // Bottom row.
    t.heading(kMelodies, 9360, 10560, 1335, "MELODIE", Align::Center);
    t.heading(74, 11400, 10560, 615, "DATI: ");
}

}  // namespace kelo::design
