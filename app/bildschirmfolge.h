#pragma once

#include "kalkulationsdaten.h"
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

    // Builds the screens of a path up to step `bis` (hidden) from a saved
    // calculation's inputs, as if the user had made them: each input screen
    // shows its inputs, each result step is worked out on the way, and the
    // operating step starts from the saved inputs instead of its entry values.
    // Whatever path was open is closed first. Answers the screen of step `bis`.
    // `datei` is the file they came from, if any.
    Pfadformular* aufbauen(Pfad pfad, const Kalkulationsdaten& eingaben, int bis, const QString& datei = {});
    // As aufbauen, and shows step `schritt` where the main menu stood;
    // saving offers `datei`, the file it came from.
    void oeffnen(Pfad pfad, const Kalkulationsdaten& eingaben, int schritt, const QString& datei);

    void vor(QWidget& von) override;
    void zurueck(QWidget& von) override;
    void hauptmenue(QWidget& von) override;

    // The screen of step 1 to 5 of the path in use, or null when it is closed.
    Pfadformular* schritt(int nummer) const;
    std::optional<Pfad> pfad() const { return m_pfad; }
    const Pfadzustand& zustand() const { return m_zustand; }
    const Preise& preise() const { return m_preise; }

private:
    int nummerVon(const QWidget& w) const;
    Pfadformular* erzeuge(int nummer);
    void zeige(QWidget& neu, const QWidget& alt);
    void menueZeigen();
    void schliesse(int nummer);
    void schliesseAlle();
    void fensterGeschlossen(Formular* formular);

    Kalkulationsdaten& m_daten;
    Pfadzustand m_zustand;
    Preise m_preise;
    Umgebung m_umgebung;
    QWidget& m_hauptmenue;
    std::optional<Pfad> m_pfad;
    std::array<QPointer<Pfadformular>, 5> m_schritte;
    bool m_schliesstSelbst = false;
};

// The screen of a path step, by its name.
Pfadformular* bildschirmErzeugen(const QString& name, Umgebung& umgebung);

} // namespace grobrechner
