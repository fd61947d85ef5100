#pragma once

#include "optionspaar.h"

#include <QList>

#include <string>

class QBoxLayout;
class QLabel;
class QLineEdit;

namespace grobrechner {

class Formular;
struct Kalkulationsdaten;

// The names and record fields of the three switching frames of one
// installation: how it is switched, whether it is switched off at night (with
// the duration) and whether it is dimmed. The planned and the existing
// installation of a renovation differ only in these.
struct Schaltungsnamen {
    const char* einschaltFrame;
    const char* optdaemm;
    const char* optastro;
    std::string Kalkulationsdaten::*einschaltung;

    const char* abschaltFrame;
    const char* optabschaltja;
    const char* optabschaltnein;
    const char* dauerfeld;
    const char* dauerlabel;
    const char* dauerBeschreibung; // accessible name of the duration field
    std::string Kalkulationsdaten::*abschaltung;
    std::string Kalkulationsdaten::*abschaltdauer;

    const char* senkFrame;
    const char* optsenkja;
    const char* optsenknein;
    std::string Kalkulationsdaten::*absenkung;
};

extern const Schaltungsnamen geplanteSchaltung;   // Frame1, Frame3, Frame2
extern const Schaltungsnamen bestehendeSchaltung; // Frame7, Frame5, Frame6: the "b" fields

// How a screen offers the night switch-off.
struct Abschaltungsangebot {
    bool waehlbar;      // false: the frame is disabled, nothing selected, no duration field
    bool neinEmpfohlen; // "Nein" reads "Nein (empfohlen)"
};

// "Wird Ihre Anlage nachts abgeschalten?": "Ja" writes "ja", shows the duration
// field with its unit and puts the focus into it; "Nein" writes "nein" and
// hides both. A hidden field keeps what was typed.
class Abschaltungswahl : public Optionspaar {
    Q_OBJECT
public:
    Abschaltungswahl(const Schaltungsnamen& namen, const Abschaltungsangebot& angebot, Kalkulationsdaten& daten,
                     QWidget* eltern);

    // Null when the switch-off cannot be chosen.
    QLineEdit* dauerfeld() const { return m_dauer; }
    QLabel* dauerlabel() const { return m_einheit; }

    // While the record says "ja": checks the typed duration (more than 0
    // hours) and stores it as typed. False after a failed check, which has
    // been reported.
    bool dauerUebernehmen(Formular& formular);

private:
    Kalkulationsdaten& m_daten;
    const Schaltungsnamen& m_namen;
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

    Optionspaar* einschaltung() const { return m_einschaltung; }
    Abschaltungswahl* abschaltung() const { return m_abschaltung; }
    Optionspaar* absenkung() const { return m_absenkung; }

    // The controls in keyboard order.
    QList<QWidget*> eingabefolge() const;

private:
    Optionspaar* m_einschaltung;
    Abschaltungswahl* m_abschaltung;
    Optionspaar* m_absenkung;
};

} // namespace grobrechner
