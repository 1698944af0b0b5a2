#include "app/startup.h"

#include <string>

#include "app/install_root.h"
#include "app/screen_fitting.h"
#include "engine/link_cases.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/data_files.h"
#include "model/form_services.h"
#include "model/main_window.h"
#include "model/random_draw.h"
#include "model/splash_window.h"
#include "player/sample_player.h"
#include "player/score_display.h"
#include "player/sequencer.h"
#include "settings/user_settings.h"

namespace kelo {

int RitardoSplash(int d) {
    constexpr int delays[11] = {0, 2000, 2025, 2050, 2075, 2100, 2125, 2150, 2200, 2250, 2300};
    return d >= 1 && d <= 10 ? delays[d] : 2100;
}

void Form_Load(frmSplashKelo2020& s) {
    Randomize(s);
    if (SchermoDaAdattare(s)) AdattaSplashAlloSchermo(s);
    s.lblDir.Caption = TrovaCartellaInstallazione(s.sys.files);
    s.ImgScreen.Picture = LoadPicture(s, DataPath(s.lblDir.Caption, "Grafica\\Splash Kelo.jpg"));
    s.mmcAllarme.FileName = DataPath(s.lblDir.Caption, "Kelo\\Allarme.wav");
    s.mmcAllarme.Command("Open");
    s.mmcAllarme.Command("Prev");
    s.mmcAllarme.Command("Play");
    s.TmrVia.SetInterval(RitardoSplash(NumeroCasualeOra(s, 10)));
    s.TmrVia.SetEnabled(true);
}

void TmrVia_Timer(frmSplashKelo2020& s) {
    s.TmrVia.SetEnabled(false);
    ApriProgramma(s);
}

namespace {
// Loads the main window on its first showing.
void Show(frmKeloTrundo15& f) {
    if (!f.Loaded) {
        f.Loaded = true;
        Form_Load(f);
    }
    f.sys.display.show(f);
}
}  // namespace

void ApriProgramma(frmSplashKelo2020& s) {
    Show(*s.main);
    s.main->TmrScaricaSplash.SetEnabled(true);
}

void BindSounds(frmKeloTrundo15& f) {
    const std::string& root = f.lblDir.Caption;
    for (int i = 1; i <= kNoteSampleCount; ++i)
        f.mmcPiano[i].FileName = DataPath(root, "Suoni\\") + kNoteSamples[i - 1];
    for (int i = 1; i <= kChordSampleCount; ++i)
        f.mmcAccordi[i].FileName = DataPath(root, "Suoni\\") + kChordSamples[i - 1];
    for (int i = 1; i <= 13; ++i) f.mmcKelo[i].FileName = DataPath(root, "Kelo\\") + kPersonaLines[i - 1];
}

void Form_Load(frmKeloTrundo15& f) {
    Randomize(f);
    f.lblDir.Caption = TrovaCartellaInstallazione(f.sys.files);
    CaricaImpostazioniUtente(f);
    setNumber(f.lblCercaNota[CercaNota::Base], bankBase(2));  // the page opens on link case 2
    CaricaPaginaCollegamento(f);
    f.FraESci.Left = 3000;
    f.FraESci.Top = 120;
    if (SchermoDaAdattare(f)) AdattaRisoluzione(f);
    const std::string& root = f.lblDir.Caption;
    f.ImgLogo.Picture = LoadPicture(f, DataPath(root, "Grafica\\Kelo-trundo 2020.jpg"));
    f.cmdIncisi.Picture = LoadPicture(f, DataPath(root, "Grafica\\Kelo.jpg"));
    f.ImgNota[Pentagramma::Chiave1].Picture = LoadPicture(f, DataPath(root, "Grafica\\chiave.jpg"));
    f.ImgNota[Pentagramma::Chiave2].Picture = LoadPicture(f, DataPath(root, "Grafica\\chiave.jpg"));
    f.ImgNota[Pentagramma::Tempo].Picture = LoadPicture(f, DataPath(root, "Grafica\\tempo.jpg"));
    f.ImgNota[Pentagramma::Vuoto].Picture = LoadPicture(f, DataPath(root, "Grafica\\vuoto.jpg"));
    SvuotaImmaginiNote(f);
    BindSounds(f);
}

void TmrScaricaSplash_Timer(frmKeloTrundo15& f) {
    f.TmrScaricaSplash.SetEnabled(false);
    f.splash->mmcAllarme.Command("Close");
    f.TxtTitolo.Text = "Buongiorno...";
    f.TmrSignori.SetEnabled(true);
    AvviaCampione(f.mmcKelo[Kelo::Saluto]);  // with no "Close" before it
    Unload(*f.splash);
}

void TmrSignori_Timer(frmKeloTrundo15& f) {
    f.TmrSignori.SetEnabled(false);
    f.lblAvvertimento.Visible = true;
    f.TxtTitolo.Text = "Buongiorno, signori!";
    AbilitaFile(f, true);
    f.cmdIncisi.Enabled = true;
    f.sys.display.focus(f, f.cmdIncisi);
}

}  // namespace kelo
