#pragma once

#include "optionspaar.h"

#include "eingabefelder.h"
#include "kalkulationsdaten.h"

#include <QList>

class QBoxLayout;
class QLabel;
class QLineEdit;

namespace grobrechner {

class Formular;

// The names of the three switching frames of one installation and the record's
// switching they write: how it is switched, whether it is switched off at night
// (with the duration) and whether it is dimmed. The planned and the existing
// installation of a renovation differ only in these.
struct Schaltungsnamen {
    Schaltung Kalkulationsdaten::*schaltung;

    const char* einschaltFrame;
    const char* optdaemm;
    const char* optastro;

    const char* abschaltFrame;
    const char* optabschaltja;
    const char* optabschaltnein;
    const char* dauerfeld;
    const char* dauerlabel;
    const char* dauerBeschreibung; // accessible name of the duration field
    Eingabefeld dauerEingabe;      // the duration's input, for the limits of its field

    const char* senkFrame;
    const char* optsenkja;
    const char* optsenknein;
};

extern const Schaltungsnamen geplanteSchaltung;   // Frame1, Frame3, Frame2
extern const Schaltungsnamen bestehendeSchaltung; // Frame7, Frame5, Frame6: the existing installation

// How a screen offers the night switch-off.
struct Abschaltungsangebot {
    bool waehlbar;      // false: the frame is disabled, nothing selected, no duration field
    bool neinEmpfohlen; // "Nein" reads "Nein (empfohlen)"
};

// "Wird Ihre Anlage nachts abgeschalten?": "Ja" switches off, shows the
// duration field with its unit and puts the focus into it; "Nein" hides both.
// A hidden field keeps what was typed.
class Abschaltungswahl : public Optionspaar {
    Q_OBJECT
public:
    Abschaltungswahl(const Schaltungsnamen& namen, const Abschaltungsangebot& angebot, Kalkulationsdaten& daten,
                     QWidget* eltern);

    // Null when the switch-off cannot be chosen.
    QLineEdit* dauerfeld() const { return m_dauer; }

    // While the record says the installation is switched off: checks the typed
    // duration (more than 0 hours) and stores it. False after a failed check,
    // which has been reported.
    bool dauerUebernehmen(Formular& formular);

    // Shows the switch-off as the record has it, the duration with it,
    // without writing the record. A frame that cannot be chosen stays empty.
    void zeigen(const Schaltung& schaltung);

private:
    Schaltung& m_schaltung;
    Zahlfeld m_feld;
    QLineEdit* m_dauer = nullptr;
    QLabel* m_einheit = nullptr;
};

// The three switching frames of one installation, one below the other in the
// given column; the frames are children of `eltern`.
class Schaltungswahl {
public:
    Schaltungswahl(const Schaltungsnamen& namen, const Abschaltungsangebot& angebot, Kalkulationsdaten& daten,
                   QWidget* eltern, QBoxLayout* spalte);
    // It hands out the frames it made; a copy would be a second owner's view of them.
    Schaltungswahl(const Schaltungswahl&) = delete;
    Schaltungswahl& operator=(const Schaltungswahl&) = delete;

    Abschaltungswahl* abschaltung() const { return m_abschaltung; }

    // Selects the record's switching, without writing the record.
    void zeigen(const Schaltung& schaltung);

    // The controls in keyboard order.
    QList<QWidget*> eingabefolge() const;

private:
    Optionspaar* m_einschaltung;
    Abschaltungswahl* m_abschaltung;
    Optionspaar* m_absenkung;
};

} // namespace grobrechner
