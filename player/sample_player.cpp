#include "player/sample_player.h"

#include <string>

#include "platform/cell_number.h"

namespace kelo {

void SuonaCampione(ControlArray<MediaPlayer>& players, Label& last, int element) {
    players[val16(last.Caption)].Command("Close");
    AvviaCampione(players[element]);
    last.Caption = std::to_string(element);
}

void AvviaCampione(MediaPlayer& player) {
    player.Command("Prev");
    player.Command("Open");
    player.Command("Play");
}

}  // namespace kelo
