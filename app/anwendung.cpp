#include "anwendung.h"

#include "fensterlage.h"
#include "kalkulationsdatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace grobrechner {

Anwendung::Anwendung(Dienste dienste)
    : m_dienste(std::move(dienste))
    , m_hauptmenue(new frmgrsbl(m_dienste))
    , m_folge(std::make_unique<Bildschirmfolge>(m_daten, m_dienste, *m_hauptmenue))
{
    QObject::connect(m_hauptmenue, &frmgrsbl::pfadGewaehlt, m_folge.get(), &Bildschirmfolge::starte);
    QObject::connect(m_hauptmenue, &frmgrsbl::preiseGewaehlt, m_hauptmenue, [this] { preiseOeffnen(); });
    QObject::connect(m_hauptmenue, &frmgrsbl::listeGewaehlt, m_hauptmenue, [this] { listeOeffnen(); });
    QObject::connect(m_hauptmenue, &frmgrsbl::dateiGewaehlt, m_hauptmenue,
                     [this](const QString& datei) { oeffnen(datei); });
    // Closing the main menu, by "Beenden" or by its window frame, ends the program.
    QObject::connect(m_hauptmenue, &Formular::schliesst, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool Anwendung::oeffnen(const QString& datei)
{
    const Gelesen gelesen = kalkulationLesen(datei);
    if (!gelesen.kalkulation) {
        m_dienste.meldungen->information(m_hauptmenue, texte::nichtLesbarTitel,
                                         texte::nichtLesbar.arg(QDir::toNativeSeparators(datei), gelesen.fehler));
        return false;
    }
    const Kalkulation& k = *gelesen.kalkulation;
    m_folge->oeffnen(k, gelesen.grundlage, QFileInfo(datei).absoluteFilePath());
    return true;
}

Anwendung::~Anwendung()
{
    m_folge.reset();
    delete m_preise.data();
    delete m_liste.data();
    delete m_hauptmenue.data();
}

void Anwendung::preiseOeffnen()
{
    if (m_preise)
        return;
    // In the main menu's place, as a path's first screen opens; closing it in
    // any way brings the menu back where it stood.
    m_preise = new frmpreise(m_dienste);
    platzieren(*m_preise, *m_hauptmenue, anzeigegroesse(*m_preise, *m_hauptmenue, m_hauptmenue->size()));
    QObject::connect(m_preise, &Formular::schliesst, m_hauptmenue, [this] {
        platzieren(*m_hauptmenue, *m_hauptmenue, m_hauptmenue->size());
        m_hauptmenue->show();
    });
    m_preise->show();
    m_hauptmenue->hide();
}

void Anwendung::listeOeffnen()
{
    // In the main menu's place, as the prices open. A street opened from the
    // list takes the list's place; the list waits hidden, as it was, for
    // "Straßenliste…" to bring it back.
    if (!m_liste) {
        m_liste = new frmliste(m_dienste);
        QObject::connect(m_liste, &Formular::schliesst, m_hauptmenue, [this] {
            platzieren(*m_hauptmenue, *m_hauptmenue, m_hauptmenue->size());
            m_hauptmenue->show();
        });
        QObject::connect(m_liste, &frmliste::kalkulationGewaehlt, m_hauptmenue,
                         [this](const Kalkulation& kalkulation, const Berechnungsgrundlage& grundlage) {
                             m_hauptmenue->move(m_liste->pos());
                             m_liste->hide();
                             m_folge->oeffnen(kalkulation, grundlage, QString());
                         });
    }
    platzieren(*m_liste, *m_hauptmenue, anzeigegroesse(*m_liste, *m_hauptmenue, m_liste->size()));
    m_liste->show();
    m_hauptmenue->hide();
}

} // namespace grobrechner
