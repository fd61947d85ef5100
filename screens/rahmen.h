#pragma once

#include "hinweise.h"
#include "texte.h"

#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QString>

#include <functional>

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
class KlickLabel;
class Knopfreihe;
class Laengenwache;

// How a window goes into a PDF: like its printout, and with a footer line.
struct Pdfbild {
    QString druckzeile;         // the status bar's text on the page, if any
    QList<QWidget*> ausblenden; // the buttons left off the page
    QPageLayout::Orientation ausrichtung = QPageLayout::Landscape;
    QString bezeichnung;        // the calculation's name; empty: none
    QString kalkulationsdatei;  // the calculation's own file, which a PDF never replaces; empty: none
};

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
// print routine, and what keeps hurried hands from harm: each time the window
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

    // Asks, then prints the window on the default printer. While it renders,
    // the status bar shows the print caption (if any) and the given buttons are
    // hidden; they come back whatever fails. Every failing step reports itself
    // in a "Druckfehler" box (a description not twice in a row) and the routine
    // goes on with the next one; it stops if the window is closed meanwhile.
    void drucken(const QString& druckzeile, const QList<QWidget*>& ausblenden, QPageLayout::Orientation ausrichtung);

    // Asks for a file and writes the window into it as an A4 PDF, as the
    // print routine would put it on paper (print caption, buttons hidden),
    // with a footer of the calculation's name, the date and the data basis.
    // A file that cannot be written is reported in a box.
    void alsPdfSpeichern(const Pdfbild& bild);
    // The same into the given file, without asking; empty on success,
    // otherwise what went wrong.
    QString pdfSchreiben(const QString& dateiname, const Pdfbild& bild);

    void infoOeffnen();

protected:
    // For the window: as it appears, the click lock, the length guard and a
    // minimum height that holds wrapped lines at its narrowest; page and arrow
    // keys that no control took scroll the screen's own controls.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // While `abbilden` runs, the status bar shows the print caption (if any)
    // and the given buttons are hidden; they come back whatever happens.
    void ohneKnoepfe(const QString& druckzeile, const QList<QWidget*>& ausblenden,
                     const std::function<void()>& abbilden);

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
};

// A file name from the name of a calculation or a screen: without the
// characters that file systems refuse, with the extension appended.
QString dateinamenvorschlag(const QString& name, const QString& endung);

} // namespace grobrechner
