#pragma once

#include "formular.h"
#include "preise.h"

#include <QList>

#include <memory>
#include <optional>

class QLineEdit;

namespace Ui {
class frmpreiseInhalt;
}

namespace grobrechner {

// "Preise und Kennwerte": the user's own prices, the price index on the prices
// of April 2009 and the CO₂ factor, opened from the main menu in its place.
// One row per euro amount, generated from the table of prices, with the value
// of April 2009 (of today for the LED luminaires) beside it. "Übernehmen"
// checks every field in order and stores them all, or, at the first one that
// fails, names it in a message and stores nothing; the next calculation uses
// what was stored. "Abbrechen" and the window's close button discard the
// changes. "Hinweise wieder zeigen" turns the notes before the paths back on.
class frmpreise : public Formular {
    Q_OBJECT
public:
    explicit frmpreise(Dienste& dienste);
    ~frmpreise() override;

    // Shows these values in the fields.
    void zeigen(const Preise& preise);
    // Checks and stores; true when the settings were stored.
    bool uebernehmen();
    // The notes before the paths show again, whatever was chosen in them;
    // at once, not with "Übernehmen".
    void hinweiseWiederZeigen();

protected:
    // Enter presses the focused button, or else "Übernehmen"; Escape cancels.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // The values of the fields, or nothing after a failed check (reported).
    std::optional<Preise> gelesen();

    std::unique_ptr<Ui::frmpreiseInhalt> m_ui;
    QList<QLineEdit*> m_preisfelder; // in the order of preisposten()
    QList<QLineEdit*> m_satzfelder;  // in the order of saetze()
    QPushButton* m_uebernehmen;
};

} // namespace grobrechner
