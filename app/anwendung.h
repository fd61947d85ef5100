#pragma once

#include "bildschirmfolge.h"
#include "dienste.h"
#include "frmgrsbl.h"
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

    // Opens a saved calculation at the screen it was saved from. A file that
    // cannot be read changes nothing and says why in a box "Datei nicht
    // lesbar"; then false.
    bool oeffnen(const QString& datei);

private:
    void preiseOeffnen();

    Kalkulationsdaten m_daten;
    Dienste m_dienste;
    QPointer<frmgrsbl> m_hauptmenue;
    std::unique_ptr<Bildschirmfolge> m_folge;
    QPointer<frmpreise> m_preise;
};

} // namespace grobrechner
