#include "anwendung.h"

#include <QCoreApplication>

namespace grobrechner {

Anwendung::Anwendung(Dienste dienste)
    : m_dienste(std::move(dienste))
    , m_hauptmenue(new frmgrsbl(m_dienste))
    , m_folge(std::make_unique<Bildschirmfolge>(m_daten, m_dienste, *m_hauptmenue))
{
    QObject::connect(m_hauptmenue, &frmgrsbl::pfadGewaehlt, m_folge.get(), &Bildschirmfolge::starte);
    // Closing the main menu, by "Beenden" or by its window frame, ends the program.
    QObject::connect(m_hauptmenue, &Formular::schliesst, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

Anwendung::~Anwendung()
{
    m_folge.reset();
    delete m_hauptmenue.data();
}

} // namespace grobrechner
