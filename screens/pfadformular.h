#pragma once

#include "formular.h"
#include "pfadbildschirme.h"

class QLabel;
class QPushButton;

namespace grobrechner {

struct Kalkulationsdaten;
struct Pfadzustand;
class Navigation;

// What every path screen is handed: the record its inputs go into, the figures
// of the path so far, the way along the path and the world outside.
struct Umgebung {
    Kalkulationsdaten& daten;
    const Pfadzustand& zustand;
    Navigation& navigation;
    Dienste& dienste;
};

// A screen of a calculation path, with the title and the row of navigation
// buttons that its step has:
//   input screens (steps 1 and 3)  Command4 forward, cmdback (step 3), Command1
//   result screens (steps 2 and 4) cmdback, Command1, Command2 forward, Command3 print
//   the result sheet (step 5)      cmdback, Command1, Command3 print
// A result screen opens with the focus on its forward button (on the sheet on
// "zum Hauptmenü"), so that Enter goes on along the path.
class Pfadformular : public Formular {
    Q_OBJECT
public:
    Pfadformular(const QString& name, Umgebung& umgebung);

    const Pfadbildschirm& beschreibung() const { return m_beschreibung; }
    Kalkulationsdaten& daten() const { return m_umgebung.daten; }
    const Pfadzustand& zustand() const { return m_umgebung.zustand; }
    Navigation& navigation() const { return m_umgebung.navigation; }
    Dienste& dienste() const { return m_umgebung.dienste; }

    QLabel* titel() const { return m_titel; }
    QPushButton* vorwaertsknopf() const { return m_vorwaerts; }
    QPushButton* zurueckknopf() const { return m_zurueck; }
    QPushButton* hauptmenueknopf() const { return m_hauptmenue; }
    QPushButton* druckknopf() const { return m_drucken; }

    void drucken();

protected:
    // The forward button. Input screens check their fields first; by default
    // the screen just moves on.
    virtual void vorwaerts();

    // Enter presses the focused button, or else the forward button of an
    // input screen; Escape presses the back button (on step 1 "zum Hauptmenü").
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QPushButton* knopf(const char* name, const QString& text);

    const Pfadbildschirm& m_beschreibung;
    Umgebung& m_umgebung;
    QLabel* m_titel = nullptr;
    QPushButton* m_vorwaerts = nullptr;
    QPushButton* m_zurueck = nullptr;
    QPushButton* m_hauptmenue = nullptr;
    QPushButton* m_drucken = nullptr;
};

} // namespace grobrechner
