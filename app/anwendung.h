#pragma once

#include "bildschirmfolge.h"
#include "dienste.h"
#include "frmgrsbl.h"
#include "kalkulationsdaten.h"

#include <QPointer>

#include <memory>

namespace grobrechner {

// The program: the one calculation record (at its start values), the main menu
// and the screen graph.
class Anwendung {
public:
    explicit Anwendung(Dienste dienste);
    ~Anwendung();

    Kalkulationsdaten& daten() { return m_daten; }
    Dienste& dienste() { return m_dienste; }
    frmgrsbl* hauptmenue() const { return m_hauptmenue; }
    Bildschirmfolge& folge() { return *m_folge; }

private:
    Kalkulationsdaten m_daten;
    Dienste m_dienste;
    QPointer<frmgrsbl> m_hauptmenue;
    std::unique_ptr<Bildschirmfolge> m_folge;
};

} // namespace grobrechner
