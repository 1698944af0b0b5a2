#pragma once
// The score: note pictures in the 32 quarter boxes of the staff, and the reveal
// that draws a new melody on it half-bar by half-bar.
#include <string>
#include <string_view>

namespace kelo {

struct frmKeloTrundo15;

// Blanks the 32 note boxes with empty staff.
void SvuotaImmaginiNote(frmKeloTrundo15& f);

// True for a rhythm code the score can draw ("0".."4", "RP", "1 P", "P 1", "1 1").
bool isRhythmCode(std::string_view code);

// "SOL 1p.jpg"; the low si is written with an underscore: "si_c.jpg".
std::string FiguraNota(std::string_view pitch, std::string_view shape);

// Draws half-bar lblStoComponendo into its two note boxes and moves the box offset on.
void MostraFigureNote(frmKeloTrundo15& f);

// A reveal starts again from half-bar 1, with no chord name shown yet.
void PreparaRivelazione(frmKeloTrundo15& f);
// A new melody on show, composed or loaded: the greeting's hint goes, its variants
// start from its own title and "Bis" plays it twice.
void SegnaNuovaMelodia(frmKeloTrundo15& f);

// One tick of the reveal of a composed melody or a variant; the tick that draws
// half-bar 16 prints the chord names, names a new melody, gives the controls back,
// chooses the accompaniment and starts playback.
void TmrMostraMelodia_Timer(frmKeloTrundo15& f);
// The same for a melody loaded from a record, which brings its own title,
// accompaniment and chord names.
void TmrMostraMelodiaDaFile_Timer(frmKeloTrundo15& f);

}  // namespace kelo
