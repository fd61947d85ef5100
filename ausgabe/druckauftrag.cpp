#include "druckauftrag.h"

#include <QDir>
#include <QLibrary>
#include <QPicture>
#include <QWidget>

#include <cups/cups.h>

#include <algorithm>
#include <optional>

namespace grobrechner {

namespace {

// The few calls into CUPS that tell whether it took a job. libcups is looked
// up when a job ends, not linked: by then Qt's own CUPS plugin has loaded it,
// and a program linked to it would load it and the dozen libraries it needs
// (TLS, Kerberos, Avahi, D-Bus) at every start, for a printout most runs
// never make.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest;
    decltype(&cupsFreeDests) freeDests;
    decltype(&cupsLastError) lastError;
    decltype(&cupsLastErrorString) lastErrorString;
};

const Cups* cups()
{
    static const std::optional<Cups> geladen = []() -> std::optional<Cups> {
        QLibrary bibliothek(QStringLiteral("cups"), 2);
        const auto aufruf = [&]<typename F>(F& f, const char* name) {
            f = reinterpret_cast<F>(bibliothek.resolve(name));
            return f != nullptr;
        };
        Cups c{};
        if (aufruf(c.getNamedDest, "cupsGetNamedDest") && aufruf(c.freeDests, "cupsFreeDests")
            && aufruf(c.lastError, "cupsLastError") && aufruf(c.lastErrorString, "cupsLastErrorString"))
            return c;
        return std::nullopt;
    }();
    return geladen ? &*geladen : nullptr;
}

} // namespace

bool cupsZurHand() { return cups() != nullptr; }

namespace {

const QString keinDrucker = QStringLiteral(
    "Es ist kein Standarddrucker eingerichtet. Bitte richten Sie in den Einstellungen Ihres Systems "
    "einen Drucker ein und versuchen Sie es erneut.");
}

void fensterZeichnen(QPainter& maler, QWidget& fenster, const QRectF& ziel)
{
    const QSize groesse = fenster.size();
    const qreal faktor = std::min(ziel.width() / groesse.width(), ziel.height() / groesse.height());
    // Rendered straight onto a printer, Qt would paint the window into one big
    // bitmap; recorded as a picture first, it reaches the page as vector
    // graphics with real text.
    QPicture aufnahme;
    {
        QPainter aufnehmen(&aufnahme);
        fenster.render(&aufnehmen, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    // A picture scales itself from its own resolution to the device's.
    const qreal eigene = qreal(maler.device()->logicalDpiX()) / aufnahme.logicalDpiX();
    maler.save();
    maler.translate(ziel.topLeft());
    maler.scale(faktor / eigene, faktor / eigene);
    maler.drawPicture(0, 0, aufnahme);
    maler.restore();
}

Drucker standarddrucker(const QString& programmordner)
{
    // The module stays loaded: the printers it made live on in their jobs.
    using Eintritt = decltype(&grobrechner_standarddrucker);
    static QString fehler;
    static const Eintritt eintritt = [&]() -> Eintritt {
        const QDir ordner(programmordner);
        for (const QString& datei : {ordner.filePath(QStringLiteral(GROBRECHNER_DRUCKMODUL)),
                                     ordner.filePath(QStringLiteral(GROBRECHNER_DRUCKMODUL_INSTALLIERT))}) {
            QLibrary modul(QDir::cleanPath(datei));
            if (auto e = reinterpret_cast<Eintritt>(modul.resolve("grobrechner_standarddrucker")))
                return e;
            fehler = modul.errorString();
        }
        return nullptr;
    }();
    Drucker drucker;
    if (eintritt)
        eintritt(drucker);
    else
        drucker.fehler = fehler;
    return drucker;
}

QtDruckauftrag::QtDruckauftrag(Drucker drucker)
    : m_drucker(std::move(drucker))
{
}

QString QtDruckauftrag::ohneGeraet() const
{
    if (m_drucker.fehler.isEmpty())
        return keinDrucker;
    return QStringLiteral("Die Druckfunktion des Grobrechners ist nicht vollständig installiert (%1). Mit „Als "
                          "PDF speichern“ können Sie das Formular stattdessen als PDF-Datei sichern.")
        .arg(m_drucker.fehler);
}

QString QtDruckauftrag::ausrichtungSetzen(QPageLayout::Orientation ausrichtung)
{
    if (!m_drucker.geraet)
        return ohneGeraet();
    if (!m_drucker.geraet->setPageOrientation(ausrichtung))
        return QStringLiteral("Der Drucker unterstützt die gewünschte Seitenausrichtung nicht.");
    return {};
}

QString QtDruckauftrag::fensterDrucken(QWidget& fenster)
{
    if (!m_drucker.geraet)
        return ohneGeraet();
    if (!m_maler.begin(m_drucker.geraet.get()))
        return QStringLiteral("Der Drucker „%1“ konnte nicht geöffnet werden. Bitte prüfen Sie, ob er "
                              "eingeschaltet und bereit ist.")
            .arg(m_drucker.name.isEmpty() ? m_drucker.datei : m_drucker.name);
    if (fenster.size().isEmpty())
        return QStringLiteral("Das Formular hat keine Größe und kann nicht gedruckt werden.");
    // The painter's origin is already the top left of the printable area.
    const QRect seite = m_drucker.geraet->pageLayout().paintRectPixels(m_drucker.aufloesung);
    fensterZeichnen(m_maler, fenster, QRectF(QPointF(), seite.size()));
    return {};
}

QString QtDruckauftrag::abschliessen()
{
    // Qt hands a finished page to CUPS and keeps quiet if CUPS refuses it (a
    // queue that rejects jobs, a printer that has gone). CUPS remembers the
    // answer to the last request of this thread: asking for the printer first
    // makes sure the answer read afterwards is the job's own.
    const QString& name = m_drucker.name;
    const Cups* ueberCups = m_drucker.ueberCups && m_maler.isActive() ? cups() : nullptr;
    if (ueberCups)
        ueberCups->freeDests(1, ueberCups->getNamedDest(CUPS_HTTP_DEFAULT, name.toLocal8Bit().constData(), nullptr));
    if (!m_drucker.geraet)
        return QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden, weil kein Drucker "
                              "bereitsteht. Mit „Als PDF speichern“ können Sie das Formular stattdessen als "
                              "PDF-Datei sichern.");
    if (!m_maler.isActive())
        return QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden, weil keine Seite an den "
                              "Drucker gesendet wurde.");
    if (!m_maler.end())
        return QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.");
    if (ueberCups && ueberCups->lastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QStringLiteral("Der Drucker „%1“ hat den Druckauftrag nicht angenommen (%2). Bitte prüfen Sie in "
                              "den Einstellungen Ihres Systems, ob er Aufträge annimmt.")
            .arg(name, QString::fromUtf8(ueberCups->lastErrorString()));
    return {};
}

} // namespace grobrechner
