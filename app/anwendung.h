#pragma once

#include "bildschirmfolge.h"
#include "dienste.h"
#include "frmgrsbl.h"
#include "frmliste.h"
#include "frmpreise.h"
#include "kalkulationsdaten.h"

#include <QPointer>

#include <memory>

namespace grobrechner {

// The program: the one calculation record (at its start values), the main menu,
// the screen graph and the price settings, which open in the main menu's place.
class Anwendung {
public:
    explicit Anwendung(Dienste dienste);
    ~Anwendung();

    Kalkulationsdaten& daten() { return m_daten; }
    Dienste& dienste() { return m_dienste; }
    frmgrsbl* hauptmenue() const { return m_hauptmenue; }
    Bildschirmfolge& folge() { return *m_folge; }
    // The price settings while they are open, else null.
    frmpreise* preisfenster() const { return m_preise; }
    // The street list while it is open (shown, or hidden behind a street opened from it), else null.
    frmliste* listenfenster() const { return m_liste; }

    // Opens a saved calculation at the screen it was saved from. A file that
    // cannot be read changes nothing and says why in a box "Datei nicht
    // lesbar"; then false.
    bool oeffnen(const QString& datei);

private:
    void preiseOeffnen();
    void listeOeffnen();

    Kalkulationsdaten m_daten;
    Dienste m_dienste;
    QPointer<frmgrsbl> m_hauptmenue;
    std::unique_ptr<Bildschirmfolge> m_folge;
    QPointer<frmpreise> m_preise;
    QPointer<frmliste> m_liste;
};

} // namespace grobrechner
