#include "bildschirmfolge.h"

#include "eingabefelder.h"
#include "fensterlage.h"
#include "formular.h"
#include "pfadbildschirme.h"
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
    m_zustand = Pfadzustand{pfad, {preiseinstellungen::lesen()}};
    m_umgebung.datei.clear();
    Pfadformular* eingabe = erzeuge(Schritt::Eingabe);
    zeige(*eingabe, m_hauptmenue);
    m_hauptmenue.hide();
    pfadZuruecksetzen(m_daten, pfad);
}

Pfadformular* Bildschirmfolge::aufbauen(const Kalkulation& kalkulation,
                                        const std::optional<Berechnungsgrundlage>& grundlage, const QString& datei)
{
    const Pfad pfad = kalkulation.pfad;
    const Kalkulationsdaten& eingaben = kalkulation.daten;
    const Schritt bis = kalkulation.schritt;
    schliesseAlle();
    m_pfad = pfad;
    // A file of the first format kept inputs only: its figures come from the prices set now.
    m_zustand = Pfadzustand{pfad, grundlage ? *grundlage : Berechnungsgrundlage{preiseinstellungen::lesen()}};
    // Before the screens are made: their titles name it.
    m_umgebung.datei = datei;
    const auto uebernehmeSchritt = [&](Schritt schritt) {
        for (Eingabefeld feld : eingabefelder(pfad, schritt))
            uebernehmen(m_daten, eingaben, feld);
    };
    // The same order as on the way forward: the path's reset, step 1's inputs,
    // and at step 3 the entry values, which the saved inputs then replace.
    pfadZuruecksetzen(m_daten, pfad);
    uebernehmeSchritt(Schritt::Eingabe);
    QWidget* vorher = &m_hauptmenue;
    Pfadformular* schritt = nullptr;
    for (Schritt k : alleSchritte) {
        if (nummer(k) > nummer(bis))
            break;
        schritt = erzeuge(k);
        platzieren(*schritt, *vorher, anzeigegroesse(*schritt, *vorher, vorher->size()));
        if (k == Schritt::Betriebseingabe) {
            eintrittswerteSetzen(m_daten, pfad);
            uebernehmeSchritt(Schritt::Betriebseingabe);
        }
        schritt->datenZeigen();
        vorher = schritt;
    }
    return schritt;
}

void Bildschirmfolge::oeffnen(const Kalkulation& kalkulation, const std::optional<Berechnungsgrundlage>& grundlage,
                              const QString& datei)
{
    Pfadformular* zuletzt = aufbauen(kalkulation, grundlage, datei);
    zeige(*zuletzt, m_hauptmenue);
    m_hauptmenue.hide();
}

void Bildschirmfolge::vor(QWidget& von)
{
    const std::optional<Schritt> k = schrittVon(von);
    const std::optional<Schritt> weiter = k ? danach(*k) : std::nullopt;
    if (!weiter)
        return;
    Pfadformular* naechster = platz(*weiter) ? platz(*weiter).data() : erzeuge(*weiter);
    zeige(*naechster, von);
    von.hide();
    if (*k == Schritt::Kosten)
        eintrittswerteSetzen(m_daten, *m_pfad);
}

void Bildschirmfolge::zurueck(QWidget& von)
{
    const std::optional<Schritt> k = schrittVon(von);
    const std::optional<Schritt> vorher = k ? davor(*k) : std::nullopt;
    if (!vorher || !platz(*vorher))
        return;
    zeige(*platz(*vorher), von);
    schliesse(*k);
    m_hauptmenue.hide();
}

void Bildschirmfolge::hauptmenue(QWidget& von)
{
    if (!schrittVon(von))
        return;
    menueZeigen();
    schliesseAlle();
}

Pfadformular* Bildschirmfolge::schritt(Schritt schritt) const
{
    return m_schritte[static_cast<std::size_t>(nummer(schritt) - 1)].data();
}

std::optional<Schritt> Bildschirmfolge::schrittVon(const QWidget& w) const
{
    for (Schritt s : alleSchritte)
        if (schritt(s) == &w)
            return s;
    return std::nullopt;
}

Pfadformular* Bildschirmfolge::erzeuge(Schritt schritt)
{
    schrittBerechnen(m_zustand, m_daten, schritt);
    Pfadformular* neu = pfadbildschirm(*m_pfad, schritt).erzeugen(m_umgebung);
    platz(schritt) = neu;
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

void Bildschirmfolge::schliesse(Schritt schritt)
{
    QPointer<Pfadformular> s = platz(schritt);
    platz(schritt) = nullptr;
    if (!s)
        return;
    schrittVerwerfen(m_zustand, schritt);
    const QScopedValueRollback<bool> selbst(m_schliesstSelbst, true);
    s->close();
}

void Bildschirmfolge::schliesseAlle()
{
    for (Schritt s : alleSchritte)
        schliesse(s);
}

void Bildschirmfolge::fensterGeschlossen(Formular* formular)
{
    const std::optional<Schritt> k = schrittVon(*formular);
    if (!k)
        return;
    platz(*k) = nullptr; // it is closing already
    schrittVerwerfen(m_zustand, *k);
    menueZeigen();
    schliesseAlle();
}

} // namespace grobrechner
