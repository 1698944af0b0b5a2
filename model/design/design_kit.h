#pragma once
// Small helpers that give the design files one vocabulary for the kinds of cell
// the window is made of.
#include "model/colours.h"
#include "platform/controls.h"

namespace kelo::design {

inline constexpr FontSpec kCellFont{"MS Sans Serif", 8.25f, true, false};
inline constexpr FontSpec kHeadingFont{"MS Sans Serif", 8.25f, true, false};
inline constexpr FontSpec kSmallFont{"MS Sans Serif", 8.25f, false, false};
// Section headings of the window, in dark blue.
inline constexpr FontSpec kSectionFont{"MS Sans Serif", 9.0f, true, false};
inline constexpr Colour kSectionInk = 0x804000;

// An editable weight cell: 255 x 255, bold, centred, on the weight colour.
inline void weightCell(Label& c, float left, float top, const char* caption) {
    c.place(left, top, 255, 255);
    c.Caption = caption;
    c.BackColor = ColorePeso;
    c.Font = kCellFont;
    c.Alignment = Align::Center;
}

// An on/off switch cell: its background is its state.
inline void switchCell(Label& c, float left, float top, float width, const char* caption, bool on = true) {
    c.place(left, top, width, 255);
    c.Caption = caption;
    c.BackColor = on ? ColoreAcceso : ColoreSpento;
    c.Font = kCellFont;
    c.Alignment = Align::Center;
}

// A working cell nobody sees: only its value matters.
inline void hiddenCell(Label& c, const char* caption = "") {
    c.Caption = caption;
    c.Visible = false;
}

// A fixed text drawn on a transparent background.
inline void fixedText(Label& c, float left, float top, float width, float height, const char* caption,
                      FontSpec font = kHeadingFont, Align align = Align::Left) {
    c.place(left, top, width, height);
    c.Caption = caption;
    c.Transparent = true;
    c.Font = font;
    c.Alignment = align;
}

// A label-button: a caption on a coloured box that reacts to the mouse.
inline void labelButton(Label& c, float left, float top, float width, const char* caption, Colour back) {
    c.place(left, top, width, 255);
    c.Caption = caption;
    c.BackColor = back;
    c.Font = kCellFont;
    c.Alignment = Align::Center;
}

}  // namespace kelo::design
