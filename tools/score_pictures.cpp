#include "score_pictures.h"

#include <string>

#include "font_files.h"
#include "music_symbols.h"
#include "note_engraving.h"
#include "picture_file.h"
#include "staff_picture.h"
#include "staff_signs.h"

namespace kelo::datatree {

namespace {

struct Pitch {
    const char* name;
    int step;  // diatonic steps above the bottom line of a treble staff
};

// B3 up to D5, the ten pitches of a melody.
constexpr Pitch kPitches[] = {
    {"si", -3}, {"DO", -2}, {"RE", -1}, {"MI", 0}, {"FA", 1}, {"SOL", 2}, {"LA", 3}, {"SI", 4}, {"do'", 5}, {"re'", 6},
};

// "SOL 1p.jpg", but the low si is written with an underscore: "si_c.jpg".
std::string notePictureName(const Pitch& pitch, const NoteShape& shape) {
    const std::string pitchName = pitch.name;
    return pitchName + (pitchName == "si" ? "_" : " ") + shape.name + ".jpg";
}

}  // namespace

void writeScorePictures(const std::filesystem::path& grafica) {
    const MusicSymbols symbols(fonts::kSerif);
    const OutlineFont figures(fonts::kSerifBold);

    for (const Pitch& pitch : kPitches) {
        for (const NoteShape& shape : kNoteShapes) {
            QImage picture = blankStaff();
            engraveNote(picture, symbols, pitch.step, shape);
            saveJpeg(picture, grafica / notePictureName(pitch, shape));
        }
    }

    saveJpeg(blankStaff(), grafica / "vuoto.jpg");

    QImage rest = blankStaff();
    engraveQuarterRest(rest, symbols);
    saveJpeg(rest, grafica / "pausa.jpg");

    QImage clef = blankStaff();
    engraveTrebleClef(clef, symbols);
    saveJpeg(clef, grafica / "chiave.jpg");

    QImage time = blankStaff();
    engraveTimeSignature(time, figures, '4', '4');
    saveJpeg(time, grafica / "tempo.jpg");
}

}  // namespace kelo::datatree
