#pragma once
// A small form for the desktop backend's own tests: a few controls of every
// kind, one frame, and a record of the events the backend delivered.
#include <string>
#include <vector>

#include "platform/form.h"

namespace kelo::testing {

struct DesktopTestForm : Form {
    explicit DesktopTestForm(Platform& p) : Form(p) {
        Name = "DesktopTestForm";
        Left = 0;
        Top = 0;
        Width = 3000;
        Height = 3000;
        add(panel, "panel");
        add(under, "under");
        add(cell, "cell");
        add(other, "other");
        add(cover, "cover");
        add(button, "button");
        add(text, "text");
        add(frame, "frame");
        add(inFrame, "inFrame");
        add(wide, "wide");
        inFrame.Container = &frame;
        wide.Container = &frame;

        panel.place(0, 0, 3000, 600);
        panel.BackColor = 0xFF0000;  // blue
        under.place(150, 150, 600, 300);
        under.BackColor = 0x00FF00;
        cell.place(150, 750, 600, 300);
        cell.BackColor = 0x0000FF;  // red
        other.place(1500, 750, 600, 300);
        cover.place(150, 150, 600, 300);  // over `under`, see-through
        cover.Transparent = true;
        button.place(150, 1200, 900, 450);
        button.Caption = "OK";
        text.place(1500, 1200, 1200, 300);
        frame.place(1500, 1800, 1200, 900);
        frame.BackColor = 0x00FFFF;  // yellow
        inFrame.place(150, 150, 450, 300);
        inFrame.BackColor = 0xFF00FF;  // magenta
        wide.place(600, 600, 1200, 600);  // runs past the frame's corner
        wide.BackColor = 0x000000;

        for (Control* c : std::initializer_list<Control*>{&under, &cell, &other, &cover, &button, &inFrame, &frame}) {
            Events& e = on(*c);
            e.MouseDown = [this, c](int, const MouseArgs& a) { log.push_back(std::string("down ") + c->Name), args.push_back(a); };
            e.MouseUp = [this, c](int, const MouseArgs& a) { log.push_back(std::string("up ") + c->Name), args.push_back(a); };
            e.Click = [this, c](int) { log.push_back(std::string("click ") + c->Name); };
        }
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

}  // namespace kelo::testing
