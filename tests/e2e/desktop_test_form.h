#pragma once
// A small form for the desktop backend's own tests: a few controls of every
// kind, one frame, and a record of the events the backend delivered.
#include <string>
#include <vector>

#include "platform/form.h"

namespace kelo::support {

struct DesktopTestForm : Form {
    explicit DesktopTestForm(Platform& p) : Form(p) {
        Name = "DesktopTestForm";
        Left = Top = 0;
        Width = Height = 3000;
        put(panel, "panel", 0, 0, 3000, 600).BackColor = 0xFF0000;  // blue
        put(under, "under", 150, 150, 600, 300).BackColor = 0x00FF00;
        put(cell, "cell", 150, 750, 600, 300).BackColor = 0x0000FF;  // red
        put(other, "other", 1500, 750, 600, 300);
        put(cover, "cover", 150, 150, 600, 300).Transparent = true;  // over `under`, see-through
        put(button, "button", 150, 1200, 900, 450).Caption = "OK";
        put(text, "text", 1500, 1200, 1200, 300);
        put(frame, "frame", 1500, 1800, 1200, 900).BackColor = 0x00FFFF;  // yellow
        put(inFrame, "inFrame", 150, 150, 450, 300).BackColor = 0xFF00FF;  // magenta
        put(wide, "wide", 600, 600, 1200, 600).BackColor = 0x000000;       // runs past the frame's corner
        inFrame.Container = wide.Container = &frame;

        for (Control* c : std::initializer_list<Control*>{&under, &cell, &other, &cover, &button, &inFrame, &frame}) {
            Events& e = on(*c);
            e.MouseDown = [this, c](int, const MouseArgs& a) { log.push_back(std::string("down ") + c->Name), args.push_back(a); };
            e.MouseUp = [this, c](int, const MouseArgs& a) { log.push_back(std::string("up ") + c->Name), args.push_back(a); };
            e.Click = [this, c](int) { log.push_back(std::string("click ") + c->Name); };
        }
    }
    template <class C>
    C& put(C& c, const char* name, float left, float top, float width, float height) {
        add(c, name);
        c.place(left, top, width, height);
        return c;
    }

    Shape panel;
    Label under, cell, other, cover;
    CommandButton button;
    TextBox text;
    Frame frame;
    Label inFrame, wide;

    std::vector<std::string> log;
    std::vector<MouseArgs> args;
};

}  // namespace kelo::support
