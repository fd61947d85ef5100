#pragma once

#include "hinweise.h"
#include "texte.h"

#include <QObject>
#include <QString>


class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QWidget;

namespace grobrechner {

struct Dienste;
class Bild;
class Formularausgabe;
class KlickLabel;
class Knopfreihe;
class Laengenwache;

// What the shared frame of one screen looks like.
struct Ausstattung {
    QString name;          // the screen's objectName
    QString eigentumLabel; // objectName of its intellectual-property label
    QString fenstertitel = texte::programmname;
    QString hintergrundHinweis = texte::hintergrund;
    bool mitStatusleiste = true; // the info screen has none…
    bool mitInfo = true;         // …and no INFO label of its own
};

// The elements that every screen shares, laid out the same way everywhere:
// clock line and INFO at the top right, the screen's own controls in the
// middle, logo and intellectual-property label at the bottom left beside the
// row of buttons, the status bar at the very bottom. Also the hints, the
// way to the print routine, and what keeps hurried hands from harm: each time the window
// appears it ignores the second click of a double click (Klicksperre), and
// its length-limited fields refuse, and report, what does not fit
// (Laengenwache).
//
// The screen's own controls scroll when the window is smaller than they need
// (a small screen, a large font); title, buttons and status bar stay in view,
// and the row of buttons breaks into more rows when it is too narrow.
class Rahmen : public QObject {
    Q_OBJECT
public:
    Rahmen(QWidget& fenster, const Ausstattung& ausstattung, Dienste& dienste);

    // The screen's title, on top at the left.
    QLabel* titelSetzen(const QString& name, const QString& text);
    // A line in small print below the screen's own controls and above the
    // buttons, across the whole width (and so on every printout).
    QLabel* fusszeileSetzen(const QString& name, const QString& text);

    QWidget* inhalt() const { return m_inhalt; }
    // Puts a row of its own between the head and the screen's own controls.
    void zeileUeberInhalt(QWidget* zeile);
    Knopfreihe* tastenzeile() const { return m_tastenzeile; }
    Dienste& dienste() const { return m_dienste; }

    void setHint(QWidget* element, const QString& text) { m_hinweise.setHint(element, text); }
    void setPressHint(QWidget* element, const QString& text) { m_hinweise.setPressHint(element, text); }

    // The picture button Command3 with the printer symbol.
    QPushButton* druckknopf();
    // The picture button cmdpdf, "Als PDF speichern…", that goes beside it.
    QPushButton* pdfknopf();

    // A short note in the status bar (which keeps it until the next hint).
    void statusZeigen(const QString& text);

    // Printing and PDF of the window, as its printout shows it.
    Formularausgabe& ausgabe() const { return *m_ausgabe; }

    void infoOeffnen();

protected:
    // For the window: as it appears, the click lock, the length guard and a
    // minimum height that holds wrapped lines at its narrowest; page and arrow
    // keys that no control took scroll the screen's own controls.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget& m_fenster;
    Dienste& m_dienste;
    QStatusBar* m_statusleiste = nullptr;
    Hinweise m_hinweise;
    QHBoxLayout* m_kopf = nullptr;
    QVBoxLayout* m_rand = nullptr;
    QScrollArea* m_flaeche = nullptr;
    QWidget* m_inhalt = nullptr;
    Knopfreihe* m_tastenzeile = nullptr;
    QPushButton* m_druckknopf = nullptr;
    Laengenwache* m_laengenwache = nullptr;
    QPushButton* m_pdfknopf = nullptr;
    Formularausgabe* m_ausgabe = nullptr;
};

} // namespace grobrechner
