#pragma once
// The items of the control arrays that play a role of their own, named for it
// and worth their design index: f.lblPulsante[Pulsante::Accordi], not
// f.lblPulsante[4]. Runs of like items (weights 1..13, half-bars 1..16) keep
// their numbers; twin arrays share one set of names.

namespace kelo {

// Options and commands.

namespace Pulsante {                   // lblPulsante
inline constexpr int Ripetizione = 0;  // the repeat mode: "Bis", "Ripeti", ...
inline constexpr int Indicatori = 1;
inline constexpr int Subito = 2;
inline constexpr int Esegui = 3;  // ">" plays, "O" stops
inline constexpr int Accordi = 4;
inline constexpr int Random = 5;
inline constexpr int Minore = 6;
inline constexpr int Commenti = 7;
}  // namespace Pulsante

namespace Puls {  // lblPuls
inline constexpr int Esc = 0;
inline constexpr int SalvaMelodia = 1;
inline constexpr int CaricaMelodia = 2;
inline constexpr int SalvaImpostazioni = 3;
inline constexpr int CaricaImpostazioni = 4;
}  // namespace Puls

namespace Esci {  // cmdEsci, the answers to the exit question
inline constexpr int Si = 0;
inline constexpr int No = 1;
}  // namespace Esci

namespace Default {  // lblDefault, the factory resets
inline constexpr int Tutti = 0;
inline constexpr int Moduli = 1;
inline constexpr int ModuliB = 2;
inline constexpr int Incisi = 3;
inline constexpr int Accordi = 4;  // with the final notes
inline constexpr int Collegamenti = 5;
inline constexpr int Note = 6;
inline constexpr int Cadenze = 7;
}  // namespace Default

namespace ScritteVarie {                    // lblScritteVarie, besides the fixed texts
inline constexpr int Componendo = 40;       // the banner "...sto componendo!"
inline constexpr int PrimaNotaFinale = 68;  // the names of final notes 1..4 from here on
inline constexpr int NomeProfilo = 75;
inline constexpr int DomandaUscita = 87;
}  // namespace ScritteVarie

// Settings.

namespace Inciso {                 // lblInciso: 1..15 the song forms
inline constexpr int Accesi = 16;  // how many forms are on
inline constexpr int Forma = 23;   // the form drawn for the melody, then its letters
inline constexpr int Lettera1 = 24;
inline constexpr int Lettera2 = 25;
inline constexpr int Lettera3 = 26;
inline constexpr int Lettera4 = 27;  // empty until there is a melody
}  // namespace Inciso

namespace FreqIncisi {  // lblFreqIncisi: 1..15 the song-form weights
inline constexpr int Copy = 0;
inline constexpr int IndiceTenuto = 16;
}  // namespace FreqIncisi

namespace Cadenza {                  // lblCadenza: 1..13 the cadences
inline constexpr int Accese = 0;     // how many cadences are on
inline constexpr int Estratta = 14;  // the cadence drawn for the melody
}  // namespace Cadenza

namespace FreCad {  // lblFreCad
inline constexpr int IndiceTenuto = 0;
}

namespace FreqInc {  // lblFreqInc and lblFreIncB: 1..13 the module weights
inline constexpr int IndiceTenuto = 0;
inline constexpr int Accesi = 25;      // how many modules are on
inline constexpr int DaEstrarre = 26;  // the size of the melody's pool
}  // namespace FreqInc

namespace Accordi {  // lblAccordi
inline constexpr int IndiceTenuto = 0;
}
namespace Notafinale {  // lblNotafinale
inline constexpr int IndiceTenuto = 0;
}
namespace Nota {  // lblNota
inline constexpr int IndiceTenuto = 0;
}
// The pivot-note weights lblNota 1..130: a column of ten cells, one for each
// following pivot (si 1 to re' 10), for each tone of each chord.
constexpr int pivotCell(int column, int followingPivot) { return 10 * (column - 1) + followingPivot; }

namespace Veloc {  // lblVeloc
inline constexpr int Livello = 0;
inline constexpr int PiuLento = 1;   // "<"
inline constexpr int PiuVeloce = 2;  // ">"
inline constexpr int FrecciaTenuta = 3;
inline constexpr int Intervallo = 4;  // the user's playback interval in ms
}  // namespace Veloc

// The link weights: lblCollegamento 1..80 is the page on show, a cell for each
// next pivot (1..10) and figure (1..8); 81..1120 is the bank, which keeps the
// page of every link case after the base of that case.
namespace Collegamento {
inline constexpr int IndiceTenuto = 0;
}
constexpr int pageCell(int nextPivot, int figure) { return 8 * (nextPivot - 1) + figure; }
constexpr int bankBase(int linkCase) { return 80 * linkCase; }
constexpr int bankCell(int linkCase, int nextPivot, int figure) {
    return bankBase(linkCase) + pageCell(nextPivot, figure);
}

namespace CercaNota {  // lblCercaNota: the case on show and its pager
inline constexpr int Caso = 0;
inline constexpr int Indietro = 1;  // "<"
inline constexpr int Avanti = 2;    // ">"
inline constexpr int Accordo = 3;
inline constexpr int Perno = 4;
inline constexpr int Base = 5;       // the case's bank base
inline constexpr int Direzione = 6;  // where the held pager goes, as a colour
}  // namespace CercaNota

namespace CopyCollegamento {  // lblCopyCollegamento: the page the user views, kept while composing
inline constexpr int Caso = 0;
inline constexpr int Base = 1;
inline constexpr int IndiceTenuto = 2;
}  // namespace CopyCollegamento

namespace NotaA {                       // lblNotaA: 1..8 the figures' first notes
inline constexpr int Intestazione = 0;  // "Nota:"
}

// The melody.

namespace DueQuarti {  // the half-bars of lblDueQuarti, lblPerno, lblArmonie and lblAccomp
inline constexpr int Primo = 1;
inline constexpr int InizioCadenza = 13;
inline constexpr int Penultimo = 15;
inline constexpr int Ultimo = 16;
}  // namespace DueQuarti

// The scratch of the draws: what was drawn, the random number and the total it
// was drawn over.

namespace MinScelta {  // lblMinScelta
inline constexpr int Casuale = 16;
}
namespace MaxScelta {             // lblMaxScelta
inline constexpr int Inizio = 0;  // "0", where the first range starts
inline constexpr int Totale = 16;
}  // namespace MaxScelta

namespace ScegliModulo {  // lblScegliModulo and lblScegliModuloB: 1..13 the candidates
inline constexpr int Candidati = 0;
inline constexpr int Preso = 14;  // the module a pair took last
}  // namespace ScegliModulo
namespace Min {  // lblMin and lblMinB
inline constexpr int Casuale = 0;
}
namespace Max {  // lblMax and lblMaxB
inline constexpr int Totale = 14;
}

namespace Fine {  // lblFine: 1..4 the final notes that may be drawn
inline constexpr int Estratta = 0;
}
namespace MinFine {  // lblMinFine
inline constexpr int Casuale = 0;
}
namespace MaxFine {  // lblMaxFine
inline constexpr int Totale = 0;
}
namespace MinN {  // lblMinN
inline constexpr int Casuale = 0;
}
namespace MaxN {  // lblMaxN
inline constexpr int Totale = 0;
}

namespace NotaScelta {  // lblNotaAScelta and lblNotaBScelta: 1..8 the figures allowed
inline constexpr int Estratta = 0;
}
namespace ValMax {  // lblValMax
inline constexpr int Totale = 9;
}

namespace Exp {  // lblExp and lblExp2: 1..13 how often each candidate made the pool
inline constexpr int Estrazioni = 0;
}

// The score, the persona and the titles.

namespace Indicatore {  // ShpIndicatore: 1..32 the lights over the note slots
inline constexpr int Ultimo = 32;
}

namespace Pentagramma {  // ImgNota: 1..32 the note boxes, then the staff's own pictures
inline constexpr int Chiave1 = 33;
inline constexpr int Chiave2 = 34;
inline constexpr int Tempo = 35;  // the time signature
inline constexpr int Vuoto = 36;
}  // namespace Pentagramma

namespace Kelo {                  // lblKelo and mmcKelo
inline constexpr int Detti = 0;   // lblKelo: lines said in this cycle of 12
inline constexpr int Saluto = 1;  // mmcKelo
inline constexpr int Addio = 13;  // mmcKelo
}  // namespace Kelo

namespace ScegliTitolo {         // lblScegliTitolo: 1..24 the title types, on when used
inline constexpr int Usati = 0;  // how many this cycle
}

namespace Splash {  // lblSplash of the start-up window
inline constexpr int Crediti = 3;
}

}  // namespace kelo
