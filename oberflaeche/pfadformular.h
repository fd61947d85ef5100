#pragma once

#include "formular.h"
#include "formularausgabe.h"
#include "pfadbildschirm.h"

class QLabel;
class QLineEdit;
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
    // The file the calculation was opened from or last saved to; empty for
    // one begun in the program. "Speichern…" offers it.
    QString datei;
};

// A screen of a calculation path, with the title and the row of buttons that
// its step has:
//   input screens (steps 1 and 3)  cmdspeichern, cmdback (step 3), Command1, Command4 forward
//   result screens (steps 2 and 4) cmdspeichern, Command3 print, cmdpdf, cmdback, Command1, Command2 forward
//   the result sheet (step 5)      cmdspeichern, Command3 print, cmdpdf, cmdcsv, cmdback, Command1
// A result screen opens with the focus on its forward button (on the sheet on
// "zum Hauptmenü"), so that Enter goes on along the path. The first screen of a
// path takes the calculation's name (txtbezeichnung); the result screens and
// the sheet show it (lblbezeichnung) unless it is empty, and every window of
// the path carries it in its title.
class Pfadformular : public Formular {
    Q_OBJECT
public:
    Pfadformular(const Pfadbildschirm& beschreibung, Umgebung& umgebung);

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
    QPushButton* speicherknopf() const { return m_speichern; }
    QLineEdit* bezeichnungsfeld() const { return m_bezeichnungsfeld; }

    void drucken();

    // Checks the inputs as calculating does and, when they pass, saves the
    // calculation up to this screen in a file the user chooses.
    void speichern();
    // The result screens: the report of what this screen shows, as a PDF.
    void alsPdfSpeichern();
    QString pdfSchreiben(const QString& dateiname);
    // The sheet: its rows as CSV.
    void alsCsvSpeichern();
    QString csvSchreiben(const QString& dateiname);

    // Puts the record's inputs of this screen's step into its fields and
    // choices, as if the user had made them; screens without inputs show
    // nothing new.
    virtual void datenZeigen();

protected:
    // The forward button. Input screens check their fields first; by default
    // the screen just moves on.
    virtual void vorwaerts();

    // The checks of an input screen, in their order: false at the first
    // failure, which has been reported; what passed before stays stored.
    // Screens without inputs have nothing to check.
    virtual bool eingabenUebernehmen() { return true; }

    // Enter presses the focused button, or else the forward button of an
    // input screen; Escape presses the back button (on step 1 "zum Hauptmenü").
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    // The window's title names the calculation it belongs to: the screen's
    // own title after the calculation's name ("Ahornweg – Grobrechner für
    // Straßenbeleuchtungsanlagen"), or, for one without a name, after the
    // name of the file it was opened from or saved to; the screen's own title
    // alone for a calculation that has neither.
    void fenstertitelSetzen();
    QPushButton* knopf(const char* name, const QString& text);
    void bezeichnungAnlegen();
    // A file to write, from the save dialog: it offers `bisher`, or else a
    // name made of the calculation's name or the screen's title.
    QString dateiname(const QString& titel, const QString& filter, const QString& endung,
                      const QString& bisher = {});
    void gespeichert(const QString& datei, const QString& fehler);

    const Pfadbildschirm& m_beschreibung;
    Umgebung& m_umgebung;
    QLabel* m_titel = nullptr;
    QLineEdit* m_bezeichnungsfeld = nullptr;
    QLabel* m_bezeichnung = nullptr;
    QPushButton* m_speichern = nullptr;
    QPushButton* m_vorwaerts = nullptr;
    QPushButton* m_zurueck = nullptr;
    QPushButton* m_hauptmenue = nullptr;
    QPushButton* m_drucken = nullptr;
    QPushButton* m_pdf = nullptr;
    QPushButton* m_csv = nullptr;
    QList<QPushButton*> m_knoepfe; // the whole row, which a printout leaves off
};

} // namespace grobrechner
