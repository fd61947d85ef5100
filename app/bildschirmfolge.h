#pragma once

#include "kalkulation.h"
#include "navigation.h"
#include "pfadformular.h"
#include "pfadzustand.h"
#include "preise.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>

namespace grobrechner {

class Formular;

// The screen graph: the main menu and the five steps of the path in use.
// Forward shows step k+1 and hides step k; back shows step k−1 as it was left
// and closes step k; "zum Hauptmenü" shows the menu and closes steps 1 to k.
// A path screen closed by its window frame takes the rest of its path with it,
// so the next start of a path always begins with fresh screens.
//
// It also keeps the record in step with the path: a path's start resets its
// fields, the way into the operating costs writes their entry values, and a
// result step's figures are worked out as its screen opens and dropped as it
// closes. A path is priced throughout with the price settings as they stood
// when it started.
class Bildschirmfolge : public QObject, public Navigation {
    Q_OBJECT
public:
    Bildschirmfolge(Kalkulationsdaten& daten, Dienste& dienste, QWidget& hauptmenue);
    ~Bildschirmfolge() override;

    // Opens step 1 of a path where the main menu stood, hides the menu,
    // resets the path's fields of the record and reads the price settings.
    void starte(Pfad pfad);

    // Builds the screens of a calculation up to its step (hidden) from its
    // inputs, as if the user had made them: each input screen shows its
    // inputs, each result step is worked out on the way, and the operating
    // step starts from the saved inputs instead of its entry values. The path
    // is priced with `grundlage` where the calculation brought one along, with
    // the settings otherwise. Whatever path was open is closed first. Answers
    // the screen of the calculation's step. `datei` is the file it came from,
    // if any.
    Pfadformular* aufbauen(const Kalkulation& kalkulation, const std::optional<Berechnungsgrundlage>& grundlage,
                           const QString& datei = {});
    // As aufbauen, and shows the calculation's step where the main menu stood;
    // saving offers `datei`, the file it came from.
    void oeffnen(const Kalkulation& kalkulation, const std::optional<Berechnungsgrundlage>& grundlage,
                 const QString& datei);

    void vor(QWidget& von) override;
    void zurueck(QWidget& von) override;
    void hauptmenue(QWidget& von) override;

    // The screen of a step of the path in use, or null when it is closed.
    Pfadformular* schritt(Schritt schritt) const;
    std::optional<Pfad> pfad() const { return m_pfad; }
    const Pfadzustand& zustand() const { return m_zustand; }

private:
    std::optional<Schritt> schrittVon(const QWidget& w) const;
    QPointer<Pfadformular>& platz(Schritt schritt) { return m_schritte[static_cast<std::size_t>(nummer(schritt) - 1)]; }
    Pfadformular* erzeuge(Schritt schritt);
    void zeige(QWidget& neu, const QWidget& alt);
    void menueZeigen();
    void schliesse(Schritt schritt);
    void schliesseAlle();
    void fensterGeschlossen(Formular* formular);

    Kalkulationsdaten& m_daten;
    Pfadzustand m_zustand;
    Umgebung m_umgebung;
    QWidget& m_hauptmenue;
    std::optional<Pfad> m_pfad;
    std::array<QPointer<Pfadformular>, std::size(alleSchritte)> m_schritte;
    bool m_schliesstSelbst = false;
};

} // namespace grobrechner
