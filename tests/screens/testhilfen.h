#pragma once

#include "pfadbildschirme.h"

#include "anwendung.h"
#include "dienste.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QWidget>

class QRadioButton;

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// A switch-off duration in a failure message: the hours, or "keine" before a
// path has entered its operating step.
template <>
inline char* QTest::toString(const std::optional<double>& stunden)
{
    return qstrdup(stunden ? QByteArray::number(*stunden).constData() : "keine");
}

namespace grobrechner::test {

// The path screens as the tests count their steps, 1 to 5, and by name.
const Pfadbildschirm& pfadbildschirm(Pfad pfad, int schritt);
const Pfadbildschirm& pfadbildschirm(const QString& name);


// A message box as the screen asked for it.
struct Meldung {
    enum Art { Information, Frage } art;
    QString titel;
    QString text;
    QWidget* eltern;
    QString haken = {}; // the caption of its check box, if it has one
};

// Records every message box instead of showing it. Questions are answered
// from a queue (No when it is empty), check boxes are ticked when `abhaken`
// says so; a hook may look at the screens while the box would be open, and if
// it closes the box's window, the box answers as the real one would.
class Meldungsrekorder final : public Meldungen {
public:
    bool information(QWidget* eltern, const QString& titel, const QString& text) override;
    bool frage(QWidget* eltern, const QString& titel, const QString& text) override;
    std::optional<bool> informationMitHaken(QWidget* eltern, const QString& titel, const QString& text,
                                            const QString& haken) override;

    QList<Meldung> meldungen;
    std::deque<bool> antworten;
    bool abhaken = false;
    std::function<void(const Meldung&)> waehrendDerMeldung;

    QStringList titel() const;

private:
    bool aufnehmen(const Meldung& m);
};

// Answers the file dialogs with the names queued, in turn; an empty queue
// cancels. Records the titles the dialogs were opened with and the names
// they suggested.
class Dateiwahlrekorder final : public Dateiwahl {
public:
    QString oeffnen(QWidget* eltern, const QString& titel, const QString& filter) override;
    QString speichern(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter,
                      const QString& endung) override;

    std::deque<QString> antworten;
    QStringList titel;
    QStringList vorschlaege;

private:
    QString antwort();
};

// What one print job was asked to do, and what the window looked like when it
// was rendered.
struct Druckprotokoll {
    int auftraege = 0;
    QList<QPageLayout::Orientation> ausrichtungen;
    QStringList statuszeilen;          // the status bar while rendering
    QList<QStringList> sichtbareKnoepfe; // visible push buttons while rendering
    QList<QSize> fenstergroessen;        // the window's size while rendering
    int abgeschlossen = 0;
    QString fehler; // when set, every step fails with this text and the step's name
};

class Druckrekorder final : public Druckauftrag {
public:
    explicit Druckrekorder(Druckprotokoll& protokoll);
    QString ausrichtungSetzen(QPageLayout::Orientation ausrichtung) override;
    QString fensterDrucken(QWidget& fenster) override;
    QString abschliessen() override;

private:
    Druckprotokoll& m_protokoll;
};

// Services for tests: recorded messages and print jobs, a fixed clock and a
// list of the addresses that would have opened in the browser.
struct Testdienste {
    Testdienste();
    Meldungsrekorder meldungen;
    Dateiwahlrekorder dateiwahl;
    Druckprotokoll druck;
    QDateTime zeit{QDate(2026, 12, 7), QTime(9, 5, 3)};
    QList<QUrl> geoeffnet;
    Dienste dienste;
};

// The visible top-level widgets, by objectName.
QStringList sichtbareFenster();
// Deletes the screens that were closed, so that lookups by name find only the living.
void geschlosseneAufraeumen();

// Sends a mouse move without a pressed button to a point of the widget, the way
// the window system delivers it: through QApplication's propagation rules.
void mausBewegen(QWidget* w, QPoint punkt = {});
void mausDruecken(QWidget* w);
void klicken(QWidget* w);
// A click on the round mark of an option, as the user makes it: a wide option
// takes clicks on its mark and caption only, not on the empty rest of its row.
void waehlen(QRadioButton* option);

// A click as the window system delivers it: to whichever screen lies at the
// global point, at the given event time (ms), through Qt's own double-click
// detection. False when no screen lies there.
bool klickAmOrt(QPoint global, int zeit);

QString statustext(QWidget* fenster);

// What a program (pdftotext, pdfinfo …) writes to its standard output, or why it did not run.
QString programmausgabe(const QString& programm, const QStringList& argumente);
// Text without blanks and line breaks, ligatures spelt out: a label's text
// and the same text as a PDF gives it back compare equal.
QString verdichtet(const QString& text);

// Chooses a mast height as the user does: the item is selected and activated.
void hoeheWaehlen(QWidget* schritt, const QString& hoehe);

// Types figures that pass the checks into an input screen (other screens are
// left alone), so that its forward button moves on.
void eingabenMachen(QWidget* schritt);
// The forward button of a path screen, after eingabenMachen.
void weiter(Pfadformular* schritt);

// The texts of a screen, one line per widget as the text dump records them:
// the window title, then "name <tab> kind <tab> text [<tab> state…]" sorted.
// Widgets that show no text have no line, nor have hidden ones but labels.
QStringList bildschirmzeilen(QWidget* schirm);
// A text on one line: backslashes, line breaks and tabs written as \\, \n, \t.
QString einzeilig(QString s);

// After eingabenMachen: the other keyword of every choice and other figures,
// made as the user makes them. Rows a screen lacks, or has disabled (the state
// road offers no switch-off), are passed over. Answers the rows made, as
// "screen/name" (no screen: a row for every screen that has the name).
QSet<QString> andereEingabenMachen(QWidget* schirm);
// Every row of andereEingabenMachen, so a walk can tell that it made them all.
QSet<QString> alleAnderenEingaben();

// The base of the screen tests: every test function gets a fresh program with
// recorded services, its main menu shown.
class Programmtest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<Testdienste> t;
    std::unique_ptr<Anwendung> a;

    Pfadformular* schritt(int k) const;
    // From the main menu forward to step k of a path, with inputs that pass.
    Pfadformular* bisSchritt(Pfad pfad, int k);

protected slots:
    void init();
    void cleanup();
};

template <typename T = QWidget>
T* finde(QWidget* fenster, const char* name)
{
    return fenster->findChild<T*>(QString::fromUtf8(name));
}

} // namespace grobrechner::test
