#pragma once
// The screen: one frameless window per shown form; the program ends when the
// last one is unloaded.
#include <QObject>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/services.h"

namespace kelo {

class EventGate;
class FormWindow;
class PictureCache;

class DesktopDisplay : public Display {
public:
    DesktopDisplay(PictureCache& pictures, EventGate& gate);
    ~DesktopDisplay() override;

    ScreenSize screen() override;
    void show(Form& form) override;
    void unload(Form& form) override;
    void focus(Form& form, Control& control) override;
    void message(const std::string& title, const std::string& text) override;
    bool showable(std::string_view dataPath) override;

    // The window of a shown form, or nullptr.
    FormWindow* windowOf(const Form& form) const;
    // Every window shows the cells as they now are.
    void refreshAll();
    // The last window has been unloaded: the program is over.
    bool finished() const { return finished_; }

private:
    PictureCache& pictures_;
    EventGate& gate_;
    std::unordered_map<const Form*, std::unique_ptr<FormWindow>> windows_;
    // Unloaded windows live on until the event that unloaded them has returned.
    std::vector<std::unique_ptr<FormWindow>> closed_;
    bool finished_ = false;
    QObject lifetime_;  // ends the deferred clean-up with this object
};

}  // namespace kelo
