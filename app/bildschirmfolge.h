#pragma once

#include "kalkulationsdaten.h"
#include "navigation.h"
#include "pfadformular.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

namespace grobrechner {

class Formular;

// The screen graph: the main menu and the five steps of the path in use.
// Forward shows step k+1 and hides step k; back shows step k−1 as it was left
// and closes step k; "zum Hauptmenü" shows the menu and closes steps 1 to k.
// A path screen closed by its window frame takes the rest of its path with it,
// so the next start of a path always begins with fresh screens.
class Bildschirmfolge : public QObject, public Navigation {
    Q_OBJECT
public:
    using Fabrik = std::function<Pfadformular*(const QString& name, Umgebung& umgebung)>;

    Bildschirmfolge(Kalkulationsdaten& daten, Dienste& dienste, QWidget& hauptmenue, Fabrik fabrik);
    ~Bildschirmfolge() override;

    // Opens step 1 of a path where the main menu stood, hides the menu and
    // resets the path's fields of the record.
    void starte(Pfad pfad);

    void vor(QWidget& von) override;
    void zurueck(QWidget& von) override;
    void hauptmenue(QWidget& von) override;
    QWidget* schritt(int nummer) const override;

    std::optional<Pfad> pfad() const { return m_pfad; }

private:
    int nummerVon(const QWidget& w) const;
    Pfadformular* erzeuge(int nummer);
    void zeige(QWidget& neu, const QWidget& alt);
    void schliesse(int nummer);
    void schliesseAlle();
    void fensterGeschlossen(Formular* formular);

    Umgebung m_umgebung;
    QWidget& m_hauptmenue;
    Fabrik m_fabrik;
    std::optional<Pfad> m_pfad;
    std::array<QPointer<Pfadformular>, 5> m_schritte;
    bool m_schliesstSelbst = false;
};

// The screens of all paths; a step that has no screen of its own yet is a
// plain path screen that moves on without checks or figures.
Pfadformular* bildschirmErzeugen(const QString& name, Umgebung& umgebung);

} // namespace grobrechner
