#include "bildschirmfolge.h"

#include "eingabefelder.h"
#include "fensterlage.h"
#include "formular.h"
#include "preiseinstellungen.h"

#include <QScopedValueRollback>

namespace grobrechner {

Bildschirmfolge::Bildschirmfolge(Kalkulationsdaten& daten, Dienste& dienste, QWidget& hauptmenue)
    : m_daten(daten)
    , m_umgebung{daten, m_zustand, *this, dienste, {}}
    , m_hauptmenue(hauptmenue)
{
}

Bildschirmfolge::~Bildschirmfolge()
{
    for (QPointer<Pfadformular>& s : m_schritte)
        delete s.data();
}

void Bildschirmfolge::starte(Pfad pfad)
{
    schliesseAlle();
    m_pfad = pfad;
    m_zustand = Pfadzustand{pfad};
    m_preise = preiseinstellungen::lesen();
    m_umgebung.datei.clear();
    Pfadformular* eingabe = erzeuge(1);
    zeige(*eingabe, m_hauptmenue);
    m_hauptmenue.hide();
    pfadZuruecksetzen(m_daten, pfad);
}

Pfadformular* Bildschirmfolge::aufbauen(Pfad pfad, const Kalkulationsdaten& eingaben, int bis, const QString& datei)
{
    schliesseAlle();
    m_pfad = pfad;
    m_zustand = Pfadzustand{pfad};
    // Before the screens are made: their titles name it.
    m_umgebung.datei = datei;
    // A file keeps inputs only: its figures come from the prices set now.
    m_preise = preiseinstellungen::lesen();
    const auto uebernehmeSchritt = [&](int schritt) {
        for (Eingabefeld feld : eingabefelder(pfad, schritt))
            uebernehmen(m_daten, eingaben, feld);
    };
    // The same order as on the way forward: the path's reset, step 1's inputs,
    // and at step 3 the entry values, which the saved inputs then replace.
    pfadZuruecksetzen(m_daten, pfad);
    uebernehmeSchritt(1);
    QWidget* vorher = &m_hauptmenue;
    Pfadformular* schritt = nullptr;
    for (int k = 1; k <= bis; ++k) {
        schritt = erzeuge(k);
        platzieren(*schritt, *vorher, anzeigegroesse(*schritt, *vorher, vorher->size()));
        if (k == 3) {
            eintrittswerteSetzen(m_daten, pfad);
            uebernehmeSchritt(3);
        }
        schritt->datenZeigen();
        vorher = schritt;
    }
    return schritt;
}

void Bildschirmfolge::oeffnen(Pfad pfad, const Kalkulationsdaten& eingaben, int schritt, const QString& datei)
{
    Pfadformular* zuletzt = aufbauen(pfad, eingaben, schritt, datei);
    zeige(*zuletzt, m_hauptmenue);
    m_hauptmenue.hide();
}

void Bildschirmfolge::vor(QWidget& von)
{
    const int k = nummerVon(von);
    if (k < 1 || k > 4)
        return;
    Pfadformular* naechster = m_schritte[k] ? m_schritte[k].data() : erzeuge(k + 1);
    zeige(*naechster, von);
    von.hide();
    if (k == 2)
        eintrittswerteSetzen(m_daten, *m_pfad);
}

void Bildschirmfolge::zurueck(QWidget& von)
{
    const int k = nummerVon(von);
    if (k < 2 || !m_schritte[k - 2])
        return;
    zeige(*m_schritte[k - 2], von);
    schliesse(k);
    m_hauptmenue.hide();
}

void Bildschirmfolge::hauptmenue(QWidget& von)
{
    if (nummerVon(von) < 1)
        return;
    menueZeigen();
    schliesseAlle();
}

Pfadformular* Bildschirmfolge::schritt(int nummer) const
{
    return nummer >= 1 && nummer <= 5 ? m_schritte[nummer - 1].data() : nullptr;
}

int Bildschirmfolge::nummerVon(const QWidget& w) const
{
    for (int i = 0; i < 5; ++i)
        if (m_schritte[i] == &w)
            return i + 1;
    return 0;
}

Pfadformular* Bildschirmfolge::erzeuge(int nummer)
{
    const Pfadbildschirm& b = pfadbildschirm(*m_pfad, nummer);
    schrittBerechnen(m_zustand, m_daten, nummer, m_preise);
    Pfadformular* neu = bildschirmErzeugen(b.name, m_umgebung);
    m_schritte[nummer - 1] = neu;
    connect(neu, &Formular::schliesst, this, [this](Formular* f) {
        if (!m_schliesstSelbst)
            fensterGeschlossen(f);
    });
    return neu;
}

void Bildschirmfolge::zeige(QWidget& neu, const QWidget& alt)
{
    // The user sees one window that changes its contents: where the old one
    // stood, as large, or larger when the new contents need it, as far as the
    // screen allows; what does not fit scrolls.
    platzieren(neu, alt, anzeigegroesse(neu, alt, alt.size()));
    if (alt.isMaximized())
        neu.setWindowState(neu.windowState() | Qt::WindowMaximized);
    neu.show();
}

void Bildschirmfolge::menueZeigen()
{
    // The main menu comes back where the user left it, at its own size.
    platzieren(m_hauptmenue, m_hauptmenue, m_hauptmenue.size());
    m_hauptmenue.show();
}

void Bildschirmfolge::schliesse(int nummer)
{
    QPointer<Pfadformular> s = m_schritte[nummer - 1];
    m_schritte[nummer - 1] = nullptr;
    if (!s)
        return;
    schrittVerwerfen(m_zustand, nummer);
    const QScopedValueRollback<bool> selbst(m_schliesstSelbst, true);
    s->close();
}

void Bildschirmfolge::schliesseAlle()
{
    for (int k = 1; k <= 5; ++k)
        schliesse(k);
}

void Bildschirmfolge::fensterGeschlossen(Formular* formular)
{
    const int k = nummerVon(*formular);
    if (k < 1)
        return;
    m_schritte[k - 1] = nullptr; // it is closing already
    schrittVerwerfen(m_zustand, k);
    menueZeigen();
    schliesseAlle();
}

} // namespace grobrechner
