#pragma once

class QWidget;

namespace grobrechner {

// How a path screen moves along its path. The screen graph behind it knows the
// five steps of each path; a screen only says which button was pressed.
class Navigation {
public:
    virtual ~Navigation() = default;

    // Shows the next step (creating it if it is closed) and hides this one.
    virtual void vor(QWidget& von) = 0;
    // Shows the previous step as it was left and closes this one.
    virtual void zurueck(QWidget& von) = 0;
    // Shows the main menu and closes every screen of the path.
    virtual void hauptmenue(QWidget& von) = 0;
};

} // namespace grobrechner
