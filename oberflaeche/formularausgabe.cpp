#include "formularausgabe.h"

#include "dateiname.h"
#include "dateischreiben.h"
#include "dienste.h"
#include "pdfausgabe.h"
#include "texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QScopeGuard>
#include <QWidget>

#include <memory>
#include <utility>

namespace grobrechner {

Formularausgabe::Formularausgabe(QWidget& fenster, Dienste& dienste, std::function<void(const QString&)> status)
    : m_fenster(fenster)
    , m_dienste(dienste)
    , m_status(std::move(status))
{
}

void Formularausgabe::drucken(const QString& druckzeile, const QList<QWidget*>& ausblenden,
                     QPageLayout::Orientation ausrichtung)
{
    Meldungen& meldungen = *m_dienste.meldungen;
    if (!meldungen.frage(&m_fenster, texte::druckenTitel, texte::druckenFrage))
        return;
    // False once the window was closed while a box was open: then the routine
    // stops where it is. A description just shown is not shown again for the
    // next step (without a printer, rendering fails for the same reason as
    // setting the orientation).
    QString gezeigt;
    const auto melde = [&](const QString& fehler) {
        if (fehler.isEmpty() || fehler == gezeigt)
            return true;
        gezeigt = fehler;
        return meldungen.information(&m_fenster, texte::druckfehlerTitel, fehler);
    };

    std::unique_ptr<Druckauftrag> auftrag = m_dienste.neuerDruckauftrag();
    if (!melde(auftrag->ausrichtungSetzen(ausrichtung)))
        return;
    bool weiter = true;
    ohneKnoepfe(druckzeile, ausblenden, [&] { weiter = melde(auftrag->fensterDrucken(m_fenster)); });
    if (!weiter)
        return;
    melde(auftrag->abschliessen());
}

void Formularausgabe::ohneKnoepfe(const QString& druckzeile, const QList<QWidget*>& ausblenden,
                         const std::function<void()>& abbilden)
{
    if (!druckzeile.isEmpty())
        m_status(druckzeile);
    // The page shows the window without its buttons; they keep their place
    // meanwhile, so nothing else on the page moves.
    QList<QWidget*> versteckt;
    const auto zurueck = qScopeGuard([&] {
        for (QWidget* w : versteckt)
            w->show();
    });
    for (QWidget* w : ausblenden) {
        if (!w || w->isHidden())
            continue;
        QSizePolicy politik = w->sizePolicy();
        politik.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politik);
        w->hide();
        versteckt.append(w);
    }
    // A window smaller than its controls scrolls them; the page shows them
    // all, so for the rendering the window takes the size they need.
    const QSize bisher = m_fenster.size();
    const auto groesseZurueck = qScopeGuard([&] { m_fenster.resize(bisher); });
    m_fenster.resize(bisher.expandedTo(m_fenster.sizeHint()));
    // The layouts take the new size only when their requests are handled;
    // until then the scroll bars would stand on the page, as pictures.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    abbilden();
}

QString Formularausgabe::pdfSchreiben(const QString& dateiname, const Pdfbild& bild)
{
    QStringList fuss;
    if (!bild.bezeichnung.isEmpty())
        fuss << bild.bezeichnung;
    fuss << QStringLiteral("Erstellt am %1")
                .arg(QLocale(QLocale::German).toString(m_dienste.jetzt().date(), QStringLiteral("d. MMMM yyyy")))
         << texte::datenstand;
    const QString titel = bild.bezeichnung.isEmpty() ? m_fenster.windowTitle() : bild.bezeichnung;
    QString fehler;
    ohneKnoepfe(bild.druckzeile, bild.ausblenden, [&] {
        fehler = fensterAlsPdf(m_fenster, dateiname, bild.ausrichtung, fuss.join(QStringLiteral("   ·   ")), titel);
    });
    return fehler;
}

void Formularausgabe::alsPdfSpeichern(const Pdfbild& bild)
{
    // The screen's title names the file unless the calculation has a name.
    const auto* titel = m_fenster.findChild<QLabel*>(QStringLiteral("Label2"));
    const QString name = !bild.bezeichnung.isEmpty() ? bild.bezeichnung
                         : titel                     ? titel->text()
                                                     : m_fenster.windowTitle();
    pdfSpeichern(name, bild.kalkulationsdatei, [&](const QString& datei) { return pdfSchreiben(datei, bild); });
}

void Formularausgabe::pdfSpeichern(const QString& name, const QString& kalkulationsdatei,
                                   const std::function<QString(const QString&)>& schreiben)
{
    const QString datei = m_dienste.dateiwahl->speichern(&m_fenster, QStringLiteral("Als PDF speichern"),
                                                         dateinamenvorschlag(name, QStringLiteral("pdf")),
                                                         QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"));
    if (datei.isEmpty())
        return;
    const QString fehler =
        gleicheDatei(datei, kalkulationsdatei) ? texte::istKalkulation : schreiben(datei);
    if (!fehler.isEmpty())
        m_dienste.meldungen->information(&m_fenster, texte::nichtGespeichertTitel,
                                         texte::nichtGespeichert.arg(QDir::toNativeSeparators(datei), fehler));
    else
        m_status(texte::gespeichert.arg(QFileInfo(datei).fileName()));
}

} // namespace grobrechner
