#pragma once

#include "rahmen.h"

#include <QDialog>

namespace Ui {
class frminfoInhalt;
}

namespace grobrechner {

struct Dienste;

// Notes on the scope and limits of the estimates, opened from every screen's
// "INFO". Modal for the whole program without blocking its caller; it is
// destroyed when it closes and keeps nothing between openings.
class frminfo : public QDialog {
    Q_OBJECT
public:
    frminfo(Dienste& dienste, QWidget* eltern);
    ~frminfo() override;

    Rahmen& rahmen() { return m_rahmen; }

private:
    Rahmen m_rahmen;
    std::unique_ptr<Ui::frminfoInhalt> m_ui;
};

// Opens the info screen over `ueber`: modal for the whole program, but not
// blocking, so the caller returns at once.
void infoOeffnen(Dienste& dienste, QWidget& ueber);

} // namespace grobrechner
