#include "frmpreise.h"

#include "beschriftung.h"
#include "dienste.h"
#include "eingabe.h"
#include "eingabepruefung.h"
#include "hinweiseinstellungen.h"
#include "knopfreihe.h"
#include "lampenkatalog.h"
#include "preiseinstellungen.h"
#include "ui_frmpreise.h"
#include "zahlenfeld.h"
#include "zahlentext.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <string_view>

namespace grobrechner {

namespace {

Ausstattung preisAusstattung()
{
    Ausstattung a;
    a.name = QStringLiteral("frmpreise");
    a.eigentumLabel = QStringLiteral("Label3");
    return a;
}

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString text(const std::string& s) { return QString::fromStdString(s); }

// The heading a row stands under; the lamps under their families.
QString gruppenkopf(const Preisposten& p)
{
    switch (p.gruppe) {
    case Preisgruppe::Errichtung:
        return QStringLiteral("Errichtungskosten einer Landes- oder Gemeindestraße");
    case Preisgruppe::Sanierung:
        return QStringLiteral("Sanierungskosten einer Gemeindestraße");
    case Preisgruppe::Wartung:
        return QStringLiteral("Betriebskosten");
    case Preisgruppe::Lampen:
        return QStringLiteral("Lampenpreise: ")
               + text(gruppenueberschrift(lampenauswahl(Pfad::Landesstrasse), p.lampe->familie));
    case Preisgruppe::LED:
        break;
    }
    return QStringLiteral("LED-Leuchten: heutige Richtpreise, ohne Preisindex");
}

// What stands under a heading before its rows, if anything. The renovation's
// terms without a name of their own are what the info screen lists beyond the
// luminaire, the mast and the cabinet.
QString gruppenhinweis(Preisgruppe gruppe)
{
    if (gruppe != Preisgruppe::Sanierung)
        return {};
    return QStringLiteral("Die Kostenanteile ohne eigenen Namen (3 bis 7 und 9) decken zusammen "
                          "Kabelübergangskästen, Baustelleneinrichtung, Niederspannungsanteil, Verkabelung, "
                          "Demontage von Lichtpunkten und Grabungsarbeiten ab.");
}

// "errichtung/leuchteTechn" names the field "txterrichtung_leuchtetechn".
QString kennung(const Preisposten& p) { return text(p.schluessel).replace(QLatin1Char('/'), QLatin1Char('_')).toLower(); }

QLabel* label(const QString& name, const QString& inhalt, QWidget* eltern)
{
    auto* l = new Beschriftung(inhalt, eltern);
    l->setObjectName(name);
    return l;
}

constexpr int preislaenge = 12; // "1.000.000,00"

const QString falscheEingabe = QStringLiteral("Falsche Eingabe");

} // namespace

frmpreise::frmpreise(Dienste& dienste)
    : Formular(preisAusstattung(), dienste)
    , m_ui(std::make_unique<Ui::frmpreiseInhalt>())
{
    rahmen().titelSetzen(QStringLiteral("Label1"), QStringLiteral("Preise und Kennwerte"));
    m_ui->setupUi(rahmen().inhalt());
    const Preise vorgabe;
    m_ui->Label6->setText(QStringLiteral("Vorgabe: %1 %").arg(text(zahltext(vorgabe.preisindex))));
    m_ui->Label8->setText(QStringLiteral("Vorgabe: %1 g/kWh (Strommix 2024)").arg(text(zahltext(vorgabe.co2faktor))));
    for (QLineEdit* feld : {m_ui->txtpreisindex, m_ui->txtco2faktor})
        feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0")) * (feld->maxLength() + 4));
    setHint(m_ui->txtpreisindex,
            QStringLiteral("Rechnet alle Preise mit Stand April 2009 hoch, z. B. 185 für 85 % Preissteigerung. "
                           "Die LED-Preise bleiben unverändert."));
    setHint(m_ui->txtco2faktor,
            QStringLiteral("Gramm CO₂ je Kilowattstunde Strom; 363 g/kWh schätzt das Umweltbundesamt für den "
                           "Strommix 2024."));
    // The rates of what a renovation is worth, below the index and the factor.
    for (const Satz& s : saetze()) {
        const int reihe = m_ui->kennwerte->rowCount();
        const QString name = text(s.schluessel);
        QLineEdit* feld = zahlenfeld(("txt" + name).toUtf8().constData(), 6, text(s.beschriftung), rahmen().inhalt());
        QLabel* beschriftung = label(QStringLiteral("Label") + name, text(s.beschriftung), rahmen().inhalt());
        beschriftung->setBuddy(feld);
        QString nebenan = QStringLiteral("Vorgabe: %1 %").arg(text(satztext(s, vorgabe.*s.wert)));
        if (s.wert == &Preise::foerderquote)
            nebenan = QStringLiteral("Kommunalrichtlinie: 25 %, finanzschwache Kommunen 40 %");
        m_ui->kennwerte->addWidget(beschriftung, reihe, 0);
        m_ui->kennwerte->addWidget(feld, reihe, 1);
        m_ui->kennwerte->addWidget(label(QStringLiteral("Label") + name + QStringLiteral("vorgabe"), nebenan,
                                         rahmen().inhalt()),
                                   reihe, 2);
        m_satzfelder << feld;
    }
    setHint(m_satzfelder[0], QStringLiteral("Der Zins, mit dem künftige Kosten und Ersparnisse auf heute "
                                            "abgezinst werden (Kapitalwert, Barwert, dynamische Amortisation)."));
    setHint(m_satzfelder[1], QStringLiteral("Um so viel Prozent wird der Strom jedes Jahr teurer; ein negativer "
                                            "Wert lässt ihn billiger werden."));
    setHint(m_satzfelder[2], QStringLiteral("Kommunalrichtlinie: 25 %, finanzschwache Kommunen 40 %"));
    // The list scrolls to a field as it gets the focus; the list itself is no stop of its own.
    m_ui->scrpreise->setFocusPolicy(Qt::NoFocus);

    QWidget* liste = m_ui->preisliste;
    auto* raster = new QGridLayout(liste);
    raster->setHorizontalSpacing(12);
    raster->setVerticalSpacing(4);
    const QString hinweis2009 =
        QStringLiteral("Ihr Preis in Euro inkl. USt.; daneben der Preis mit Stand April 2009.");
    const QString hinweisLed = QStringLiteral(
        "Ihr Preis in Euro inkl. USt.; daneben der heutige Richtpreis. Der Preisindex gilt hier nicht.");
    int zeile = 0;
    QString voriger;
    QList<QWidget*> folge{m_ui->txtpreisindex, m_ui->txtco2faktor};
    for (QLineEdit* feld : m_satzfelder)
        folge << feld;
    for (const Preisposten& p : preisposten()) {
        const QString id = kennung(p);
        if (const QString kopf = gruppenkopf(p); kopf != voriger) {
            if (zeile > 0)
                raster->setRowMinimumHeight(zeile++, 10);
            QLabel* k = label(QStringLiteral("Label_kopf_") + id, kopf, liste);
            QFont fett = k->font();
            fett.setBold(true);
            k->setFont(fett);
            raster->addWidget(k, zeile++, 0, 1, 4);
            if (const QString hinweis = gruppenhinweis(p.gruppe); !hinweis.isEmpty()) {
                QLabel* h = label(QStringLiteral("Label_hinweis_") + id.section(QLatin1Char('_'), 0, 0), hinweis, liste);
                h->setWordWrap(true);
                raster->addWidget(h, zeile++, 0, 1, 4);
            }
            voriger = kopf;
        }
        const bool led = p.gruppe == Preisgruppe::LED;
        QLineEdit* feld = zahlenfeld(("txt" + id).toUtf8().constData(), preislaenge,
                                     text(postenname(p)) + QStringLiteral(" in ") + text(p.einheit), liste);
        QLabel* beschriftung = label(QStringLiteral("Label_") + id, text(p.bezeichnung), liste);
        beschriftung->setBuddy(feld);
        const QString stand = text(zahltextGruppiert(betrag(vorgabe, p))) + QStringLiteral(" €");
        raster->addWidget(beschriftung, zeile, 0);
        raster->addWidget(feld, zeile, 1);
        raster->addWidget(label(QStringLiteral("Label_") + id + QStringLiteral("_einheit"), text(p.einheit), liste),
                          zeile, 2);
        raster->addWidget(label(QStringLiteral("lblstand_") + id,
                                (led ? QStringLiteral("Richtpreis: ") : QStringLiteral("April 2009: ")) + stand,
                                liste),
                          zeile, 3);
        ++zeile;
        setHint(feld, led ? hinweisLed : hinweis2009);
        m_preisfelder << feld;
        folge << feld;
    }
    raster->setColumnStretch(4, 1);
    raster->setRowStretch(zeile, 1);
    // The list scrolls up and down only: it is as wide as its rows, and the
    // window as wide as the list.
    QScrollArea* rollen = m_ui->scrpreise;
    rollen->setMinimumWidth(liste->sizeHint().width() + rollen->verticalScrollBar()->sizeHint().width()
                            + 2 * rollen->frameWidth());

    // Not a price, but set here too: the window of the program's settings.
    auto* hinweise = new QPushButton(QStringLiteral("Hinweise wieder zeigen"), this);
    hinweise->setObjectName(QStringLiteral("cmdhinweise"));
    setHint(hinweise, QStringLiteral("Zeigt die Hinweise vor jeder Berechnung wieder, auch wo Sie „Diese Hinweise "
                                     "nicht mehr zeigen“ gewählt haben."));
    connect(hinweise, &QPushButton::clicked, this, &frmpreise::hinweiseWiederZeigen);
    auto* zuruecksetzen = new QPushButton(QStringLiteral("Auf Stand April 2009 zurücksetzen"), this);
    zuruecksetzen->setObjectName(QStringLiteral("cmdzurücksetzen"));
    setHint(zuruecksetzen, QStringLiteral("Setzt alle Felder auf die Preise mit Stand April 2009, die heutigen "
                                          "LED-Richtpreise, den Preisindex 100 %, den CO₂-Faktor 363 g/kWh und die Vorgaben für Zins, "
                                          "Strompreissteigerung und Förderquote. "
                                          "Gespeichert wird erst mit „Übernehmen“."));
    connect(zuruecksetzen, &QPushButton::clicked, this, [this] { zeigen(Preise{}); });
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("cmdabbrechen"));
    setHint(abbrechen, QStringLiteral("Verwirft die Änderungen und kehrt zum Hauptmenü zurück."));
    connect(abbrechen, &QPushButton::clicked, this, &QWidget::close);
    m_uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    m_uebernehmen->setObjectName(QStringLiteral("cmdübernehmen"));
    setHint(m_uebernehmen, QStringLiteral("Prüft und speichert die Preise und kehrt zum Hauptmenü zurück. Sie "
                                          "gelten ab der nächsten Berechnung."));
    connect(m_uebernehmen, &QPushButton::clicked, this, &frmpreise::uebernehmen);
    for (QPushButton* k : {hinweise, zuruecksetzen, abbrechen, m_uebernehmen})
        rahmen().tastenzeile()->addWidget(k);

    folge << m_uebernehmen << abbrechen << zuruecksetzen << hinweise;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);

    zeigen(preiseinstellungen::lesen());
    m_ui->txtpreisindex->setFocus();
}

frmpreise::~frmpreise() = default;

void frmpreise::zeigen(const Preise& preise)
{
    // As the figures beside them are written, and read back by the same parser.
    m_ui->txtpreisindex->setText(text(zahltextGruppiert(preise.preisindex)));
    m_ui->txtco2faktor->setText(text(zahltextGruppiert(preise.co2faktor)));
    for (std::size_t i = 0; i < saetze().size(); ++i)
        m_satzfelder[static_cast<qsizetype>(i)]->setText(text(satztext(saetze()[i], preise.*saetze()[i].wert)));
    const std::span<const Preisposten> posten = preisposten();
    for (std::size_t i = 0; i < posten.size(); ++i)
        m_preisfelder[static_cast<qsizetype>(i)]->setText(text(zahltextGruppiert(betrag(preise, posten[i]))));
}

std::optional<Preise> frmpreise::gelesen()
{
    // A field that fails keeps its text, selected, so it can be corrected.
    const auto lies = [this](QLineEdit* feld, bool (*zulaessig)(float), const QString& meldung) {
        std::optional<float> wert = eingabeLesen(feld->text().toStdString(), Untergrenze::AbNull);
        if (wert && !zulaessig(*wert))
            wert.reset();
        if (!wert && eingabeBemaengeln(*this, feld, falscheEingabe, meldung, false))
            feld->selectAll();
        return wert;
    };

    Preise p;
    const std::optional<float> index =
        lies(m_ui->txtpreisindex, preisindexZulaessig,
             QStringLiteral("Bitte geben Sie den Preisindex gegenüber April 2009 als Zahl von %1 bis %2 % ein!")
                 .arg(text(formatGanzzahl(kleinsterPreisindex)), text(formatGanzzahl(groessterPreisindex))));
    if (!index)
        return std::nullopt;
    p.preisindex = *index;
    const std::optional<float> faktor =
        lies(m_ui->txtco2faktor, co2faktorZulaessig,
             QStringLiteral("Bitte geben Sie den CO₂-Faktor Strom als Zahl von 0 bis %1 g/kWh ein!")
                 .arg(text(formatGanzzahl(groessterCo2faktor))));
    if (!faktor)
        return std::nullopt;
    p.co2faktor = *faktor;
    // A rate may be negative: the rise of the electricity price.
    for (std::size_t i = 0; i < saetze().size(); ++i) {
        const Satz& s = saetze()[i];
        QLineEdit* feld = m_satzfelder[static_cast<qsizetype>(i)];
        std::optional<float> wert = singleAusText(feld->text().toStdString());
        if (wert && !s.zulaessig(*wert))
            wert.reset();
        if (!wert) {
            if (eingabeBemaengeln(*this, feld, falscheEingabe,
                                  QStringLiteral("Bitte geben Sie %1 als Zahl von %2 bis %3 % ein!")
                                      .arg(text(s.name), text(zahltext(s.kleinster)), text(zahltext(s.groesster))),
                                  false))
                feld->selectAll();
            return std::nullopt;
        }
        p.*s.wert = *wert;
    }

    const std::span<const Preisposten> posten = preisposten();
    for (std::size_t i = 0; i < posten.size(); ++i) {
        const std::optional<float> preis =
            lies(m_preisfelder[static_cast<qsizetype>(i)], preisZulaessig,
                 QStringLiteral("Bitte geben Sie für „%1“ einen Preis von 0 bis %2 € ein!")
                     .arg(text(postenname(posten[i])), text(formatGanzzahl(hoechstpreis))));
        if (!preis)
            return std::nullopt;
        betrag(p, posten[i]) = *preis;
    }
    return p;
}

bool frmpreise::uebernehmen()
{
    const std::optional<Preise> p = gelesen();
    if (!p)
        return false;
    if (const QString fehler = preiseinstellungen::schreiben(*p); !fehler.isEmpty()) {
        rahmen().dienste().meldungen->information(
            this, QStringLiteral("Speichern nicht möglich"),
            QStringLiteral("Die Preise und Kennwerte konnten nicht gespeichert werden.\n%1\nEs gelten weiterhin "
                           "die zuletzt gespeicherten Werte.")
                .arg(fehler));
        return false;
    }
    close();
    return true;
}

void frmpreise::hinweiseWiederZeigen()
{
    if (const QString fehler = hinweiseinstellungen::wiederZeigen(); !fehler.isEmpty())
        rahmen().dienste().meldungen->information(
            this, QStringLiteral("Speichern nicht möglich"),
            QStringLiteral("Die Hinweise konnten nicht wieder eingeschaltet werden.\n%1").arg(fehler));
    else
        rahmen().statusZeigen(QStringLiteral("Die Hinweise werden vor jeder Berechnung wieder gezeigt."));
}

void frmpreise::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (qobject_cast<QPushButton*>(focusWidget()))
            break; // the focused button, as on every screen
        m_uebernehmen->click();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        break;
    }
    Formular::keyPressEvent(ereignis);
}

} // namespace grobrechner
