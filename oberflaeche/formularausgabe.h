#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>

class QWidget;

namespace grobrechner {

struct Dienste;

// How a window goes into a PDF: like its printout, and with a footer line.
struct Pdfbild {
    QString druckzeile;         // the status bar's text on the page, if any
    QList<QWidget*> ausblenden; // the buttons left off the page
    QPageLayout::Orientation ausrichtung = QPageLayout::Landscape;
    QString bezeichnung;        // the calculation's name; empty: none
    QString kalkulationsdatei;  // the calculation's own file, which a PDF never replaces; empty: none
};

// The print routine of a window and its PDF, as the printout puts it on paper.
class Formularausgabe {
public:
    // `status` shows a note in the window's status bar.
    Formularausgabe(QWidget& fenster, Dienste& dienste, std::function<void(const QString&)> status);

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
    // Asks for a PDF file, offering one named after `name`, and has
    // `schreiben` write it; one that cannot be written, or that is the
    // calculation's own file, is reported in a box.
    void pdfSpeichern(const QString& name, const QString& kalkulationsdatei,
                      const std::function<QString(const QString& dateiname)>& schreiben);
    // The same into the given file, without asking; empty on success,
    // otherwise what went wrong.
    QString pdfSchreiben(const QString& dateiname, const Pdfbild& bild);

private:
    // While `abbilden` runs, the status bar shows the print caption (if any)
    // and the given buttons are hidden; they come back whatever happens.
    void ohneKnoepfe(const QString& druckzeile, const QList<QWidget*>& ausblenden,
                     const std::function<void()>& abbilden);

    QWidget& m_fenster;
    Dienste& m_dienste;
    std::function<void(const QString&)> m_status;
};

} // namespace grobrechner
