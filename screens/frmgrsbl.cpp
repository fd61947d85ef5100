#include "frmgrsbl.h"

#include "dienste.h"
#include "fensterlage.h"
#include "hinweiseinstellungen.h"
#include "knopfreihe.h"
#include "programm.h"
#include "ui_frmgrsbl.h"

#include <QPushButton>

namespace grobrechner {

namespace {

Ausstattung menueAusstattung()
{
    Ausstattung a;
    a.name = QStringLiteral("frmgrsbl");
    a.eigentumLabel = QStringLiteral("Label3");
    return a;
}

const QString leer;
const QString zeileMe4b = QStringLiteral(
    "Bei dieser Berechnung wird die Beleuchtungsklasse Me4b hinterlegt, ohne die tatsächlichen Örtlichkeiten zu "
    "kennen.");
const QString zeileFahrspuren = QStringLiteral(
    "Es wird hierbei von einer Landesstraße mit 2 Fahrspuren (eine je Fahrtrichtung, 3 bis 3,5 m pro Fahrspur) "
    "ausgegangen.");
const QStringList allgemein = {
    QStringLiteral("Der Grobrechner bezieht sich auf technisch hochwertige Leuchten mit Spiegeloptik für "
                   "Lichtlenkung (technische und dekorative Leuchten)."),
    QStringLiteral("Die Zuleitungskosten (zwischen EVU und Verteiler) werden bei einer Verteilerneuerrichtung nicht "
                   "berücksichtigt."),
    QStringLiteral("Die Leuchtmittelersatzkosten sind Bruttolistenpreise."),
    QStringLiteral("Der Grobrechner beinhaltet nur GROBKOSTEN inkl. USt."),
};
const QStringList gewaehr = {
    QStringLiteral("Es wird keine Gewähr für die Richtigkeit, Vollständigkeit und Aktualität der Daten übernommen."),
    QString::fromUtf8(anhaltspunkt.data(), static_cast<qsizetype>(anhaltspunkt.size())),
    texte::datenstand,
};

} // namespace

QStringList pfadhinweise(Pfad pfad)
{
    switch (pfad) {
    case Pfad::Landesstrasse:
        return {(QStringList{zeileMe4b, zeileFahrspuren, leer} + allgemein + QStringList{leer} + gewaehr).join('\n')};
    case Pfad::Gemeindestrasse:
        return {(QStringList{QStringLiteral("Bei dieser Berechnung kann neben der Lichtpunkthöhe auch der "
                                            "Lichtpunktabstand selbst gewählt werden. Daher wird keine Norm "
                                            "berücksichtigt."),
                             leer}
                 + allgemein + QStringList{leer} + gewaehr)
                    .join('\n')};
    case Pfad::Sanierung:
        return {(QStringList{QStringLiteral("Bei dieser Berechnung werden die Mastpositionen nicht geändert und sie "
                                            "gilt nur für Gemeindestraßen ohne Berücksichtigung der Norm."),
                             QStringLiteral("Bei den Sanierungskosten werden Leuchtentyp, Masttyp, "
                                            "Kabelübergangskästen, Baustelleneinrichtung, Niederspannungsanteil, "
                                            "Verkabelung,"),
                             QStringLiteral("Verteilerkasten, Demontage von Lichtpunkten und Grabungsarbeiten "
                                            "berücksichtigt."),
                             leer}
                 + allgemein)
                    .join('\n'),
                gewaehr.join('\n')};
    }
    return {};
}

frmgrsbl::frmgrsbl(Dienste& dienste)
    : Formular(menueAusstattung(), dienste)
    , m_ui(std::make_unique<Ui::frmgrsblInhalt>())
{
    m_ui->setupUi(rahmen().inhalt());
    m_ui->imgback->setBild(QStringLiteral("strasse_daemmerung"));

    setHint(m_ui->imgback, texte::hintergrund);
    setHint(m_ui->Command1,
            QStringLiteral("Öffnet die Kalkulation für die Errichtung einer Landes- bzw. Bundesstraße."));
    setHint(m_ui->Command3, QStringLiteral("Öffnet die Kalkulation für die Errichtung einer Gemeindestraße."));
    setHint(m_ui->Command2, QStringLiteral("Öffnet die Kalkulation für die Sanierung einer Gemeindestraße."));
    setHint(m_ui->cmdpreise, QStringLiteral("Öffnet die Preise und Kennwerte: eigene Preise, Preisindex und "
                                            "CO₂-Faktor für die nächsten Berechnungen."));
    setHint(m_ui->Command4, QStringLiteral("Beendet den Grobrechner."));

    connect(m_ui->Command1, &QPushButton::clicked, this, [this] { pfadAnbieten(Pfad::Landesstrasse); });
    connect(m_ui->Command3, &QPushButton::clicked, this, [this] { pfadAnbieten(Pfad::Gemeindestrasse); });
    connect(m_ui->Command2, &QPushButton::clicked, this, [this] { pfadAnbieten(Pfad::Sanierung); });
    connect(m_ui->cmdpreise, &QPushButton::clicked, this, &frmgrsbl::preiseGewaehlt);
    connect(m_ui->Command4, &QPushButton::clicked, this, &frmgrsbl::beenden);

    m_ui->cmdoeffnen->setShortcut(QKeySequence::Open);
    setHint(m_ui->cmdoeffnen, QStringLiteral("Öffnet eine gespeicherte Kalkulation."));
    connect(m_ui->cmdoeffnen, &QPushButton::clicked, this, &frmgrsbl::oeffnen);
    m_ui->cmdliste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    setHint(m_ui->cmdliste, QStringLiteral("Berechnet alle Straßen einer Liste (CSV) auf einmal und ordnet sie."));
    connect(m_ui->cmdliste, &QPushButton::clicked, this, &frmgrsbl::listeGewaehlt);
    resize(hoechstens(QSize(960, 600), *this));
}

frmgrsbl::~frmgrsbl() = default;

void frmgrsbl::pfadAnbieten(Pfad pfad)
{
    // The notes have only an OK button: the path opens once they are read.
    // The last of them offers to leave them out from now on, so that the
    // choice is made having read them all; "Preise und Kennwerte" brings them back.
    Meldungen& meldungen = *rahmen().dienste().meldungen;
    const QString titel = QStringLiteral("Information");
    const QStringList hinweise = hinweiseinstellungen::zeigen(pfad) ? pfadhinweise(pfad) : QStringList();
    for (qsizetype i = 0; i + 1 < hinweise.size(); ++i)
        if (!meldungen.information(this, titel, hinweise[i]))
            return; // the menu was closed or left meanwhile
    if (!hinweise.isEmpty()) {
        const std::optional<bool> nichtMehr =
            meldungen.informationMitHaken(this, titel, hinweise.back(), QStringLiteral("Diese Hinweise nicht mehr zeigen"));
        if (!nichtMehr)
            return;
        const QString fehler = *nichtMehr ? hinweiseinstellungen::ausblenden(pfad) : QString();
        if (!fehler.isEmpty()
            && !meldungen.information(this, QStringLiteral("Speichern nicht möglich"),
                                      QStringLiteral("Ihre Wahl, die Hinweise nicht mehr zu zeigen, konnte nicht "
                                                     "gespeichert werden.\n%1\nSie werden beim nächsten Mal wieder "
                                                     "gezeigt.")
                                          .arg(fehler)))
            return;
    }
    emit pfadGewaehlt(pfad);
}

void frmgrsbl::beenden()
{
    if (rahmen().dienste().meldungen->frage(this, QStringLiteral("Beenden"),
                                            QStringLiteral("Wollen Sie den Grobrechner wirklich beenden?")))
        close();
}

void frmgrsbl::oeffnen()
{
    const QString datei = rahmen().dienste().dateiwahl->oeffnen(
        this, QStringLiteral("Kalkulation öffnen"),
        QStringLiteral("Kalkulationen des Grobrechners (*.grob);;Alle Dateien (*)"));
    if (!datei.isEmpty())
        emit dateiGewaehlt(datei);
}

} // namespace grobrechner
