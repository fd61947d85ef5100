#include "leuchtmittelwahl.h"

#include "beschriftung.h"
#include "formular.h"
#include "kalkulationsdaten.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <string_view>

namespace grobrechner {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The group headings are named by the order of the groups on screen: sodium,
// compact fluorescent, metal halide, CosmoPolis (the order of Lampenfamilie).
constexpr const char* ueberschriftName[] = {"Label1", "Label4", "Label3", "Label5", "lblled"};

const struct {
    const char* option;
    const char* hinweis;
} auslaufhinweise[] = {
    {"Option16", "Hinweis: Kompaktleuchtstofflampen mit Stecksockel werden seit Februar 2023 in der EU nicht mehr "
                 "verkauft; Ersatzlampen gibt es nur noch aus Restbeständen."},
    {"Option23", "Hinweis: Quecksilberdampflampen dürfen seit April 2015 in der EU nicht mehr in Verkehr gebracht "
                 "werden; Ersatzlampen gibt es nur noch aus Restbeständen."},
};

QRadioButton* option(std::string_view name, std::string_view beschriftung, QWidget* eltern)
{
    // All options are children of the one frame, so exactly one of them is selected.
    auto* o = new QRadioButton(text(beschriftung), eltern);
    o->setObjectName(text(name));
    return o;
}

// Selects the option of that name among the frame's options.
void optionWaehlen(QGroupBox& rahmen, std::string_view name)
{
    if (auto* o = rahmen.findChild<QRadioButton*>(text(name), Qt::FindDirectChildrenOnly))
        o->setChecked(true);
}

} // namespace

Leuchtmittelwahl::Leuchtmittelwahl(const Lampenauswahl& auswahl, Kalkulationsdaten& daten, QWidget* eltern)
    : QGroupBox(QStringLiteral("Auswahl des Leuchtmittels nach Wattage:"), eltern)
{
    setObjectName(QStringLiteral("Frame4"));
    // One grid for both columns, so that the rows and the second headings of
    // the two columns stand level.
    auto* raster = new QGridLayout(this);
    raster->setVerticalSpacing(4);
    raster->setHorizontalSpacing(24);
    int zeile[2] = {0, 0};

    const Lampe* vorige = nullptr;
    for (const Lampe& lampe : Lampenkatalog) {
        const int s = spalte(lampe.familie);
        if (!vorige || vorige->familie != lampe.familie) {
            if (zeile[s] > 0)
                raster->addItem(new QSpacerItem(0, 8), zeile[s]++, s);
            auto* ueberschrift = new Beschriftung(text(gruppenueberschrift(auswahl, lampe.familie)), this);
            ueberschrift->setObjectName(QString::fromUtf8(ueberschriftName[static_cast<int>(lampe.familie)]));
            QFont fett = ueberschrift->font();
            fett.setBold(true);
            ueberschrift->setFont(fett);
            raster->addWidget(ueberschrift, zeile[s]++, s);
        }
        vorige = &lampe;

        QRadioButton* o = option(lampe.option, lampe.beschriftung, this);
        o->setEnabled(waehlbar(auswahl, lampe));
        o->setChecked(&lampe == &vorgabelampe(auswahl));
        connect(o, &QRadioButton::clicked, this, [&daten, &lampe] { daten.lampe = &lampe; });
        raster->addWidget(o, zeile[s]++, s);
    }
    raster->setRowStretch(std::max(zeile[0], zeile[1]), 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
}

void auslaufhinweiseSetzen(Formular& formular, const QWidget& wahl)
{
    for (const auto& h : auslaufhinweise)
        if (auto* o = wahl.findChild<QRadioButton*>(QString::fromUtf8(h.option)))
            formular.setHint(o, QString::fromUtf8(h.hinweis));
}

void Leuchtmittelwahl::zeigen(const Lampe& lampe) { optionWaehlen(*this, lampe.option); }

Bestandsleuchtmittelwahl::Bestandsleuchtmittelwahl(Kalkulationsdaten& daten, QWidget* eltern)
    : QGroupBox(QStringLiteral("Verwendetes Leuchtmittel:"), eltern)
{
    setObjectName(QStringLiteral("Frame8"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setSpacing(4);
    for (const Bestandslampe& lampe : Bestandskatalog) {
        QRadioButton* o = option(lampe.option, lampe.beschriftung, this);
        o->setChecked(&lampe == &bestandsvorgabe());
        connect(o, &QRadioButton::clicked, this, [&daten, &lampe] { daten.bestandslampe = &lampe; });
        spalte->addWidget(o);
    }
}

void Bestandsleuchtmittelwahl::zeigen(const Bestandslampe& lampe) { optionWaehlen(*this, lampe.option); }

} // namespace grobrechner
