#include "anlagenvergleich.h"

#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {
QString text(const char* s) { return QString::fromUtf8(s); }
} // namespace

Anlagenvergleich::Anlagenvergleich(QWidget* eltern, const Namen& n)
{
    using Spalten = Wertetabelle::Beschriftung;
    Wertetabelle bestand(eltern);
    Wertetabelle saniert(bestand.raster(), 3, Spalten::geteilt);
    Wertetabelle abweichung(bestand.raster(), 5, Spalten::geteilt);
    m_raster = bestand.raster();
    // Spare width goes to the right of the table, not into the renovated column.
    m_raster->setColumnStretch(3, 0);

    bestand.spaltenkopf(n.kopfBestand, QStringLiteral("Bestand der Straßenbeleuchtung"));
    saniert.spaltenkopf(n.kopfSaniert, QStringLiteral("Straßenbeleuchtung nach Sanierung"));
    if (n.eingabenUeberschrift)
        bestand.ueberschrift(n.eingabenUeberschrift, QStringLiteral("Eingegebene Werte"));
    saniert.zeileSetzen(bestand.zeilen());

    const QList<QLabel*> lampe = bestand.texte(n.leuchtmittel, text(anlagenbeschriftung::leuchtmittel),
                                               {"lblleuchtmittelb", "lblwattageb"});
    m_bestand.lblleuchtmittel = lampe[0];
    m_bestand.lblwattage = lampe[1];
    m_saniert.lblleuchtmittel = saniert.text(nullptr, {}, "lblleuchtmittel");
    m_bestand.lbleinschaltung = bestand.text(n.einschaltung, text(anlagenbeschriftung::einschaltung), "lbleinschaltungb");
    m_saniert.lbleinschaltung = saniert.text(nullptr, {}, "lbleinschaltung");
    m_bestand.lblabschaltung = bestand.text(n.abschaltung, text(anlagenbeschriftung::abschaltung), "lblabschaltungb");
    m_saniert.lblabschaltung = saniert.text(nullptr, {}, "lblabschaltung");
    m_bestand.lblabsenkung = bestand.text(n.absenkung, text(anlagenbeschriftung::absenkung), "lblabsenkungb");
    m_saniert.lblabsenkung = saniert.text(nullptr, {}, "lblabsenkung");
    m_strompreis = bestand.zahl(n.strompreis, text(anlagenbeschriftung::strompreis), "lblstrompreis",
                                n.strompreiseinheit, text(anlagenbeschriftung::strompreiseinheit));

    bestand.abstand(16);
    if (n.ergebnisUeberschrift)
        bestand.ueberschrift(n.ergebnisUeberschrift, QStringLiteral("Berechnungsergebnis"));
    const int ersteZahl = bestand.zeilen();
    m_zahlenBestand.emplace(bestand, n.bestand);
    saniert.zeileSetzen(ersteZahl);
    m_zahlenSaniert.emplace(saniert, n.saniert);
    // "Abweichung" stands right above the deviation, at the end of the total row.
    abweichung.zeileSetzen(ersteZahl + Gesamt - 1);
    abweichung.spaltenkopf("Label37", QStringLiteral("Abweichung"));
    m_abweichung = abweichung.zahl(nullptr, {}, "lbl7", nullptr, {}, true);
}

void Anlagenvergleich::zeigen(const Betriebstexte& t, const Setzen& setzen) const
{
    const auto anlage = [&](const Anlagenwerte& l, const Anlagentexte& a, const Betriebszahlen& zahlen) {
        for (auto [label, text] : {std::pair{l.lblleuchtmittel, &a.leuchtmittel}, {l.lblwattage, &a.wattage},
                                   {l.lbleinschaltung, &a.einschaltung}, {l.lblabschaltung, &a.abschaltung},
                                   {l.lblabsenkung, &a.absenkung}})
            if (label)
                setzen(label, *text);
        for (int z = 0; z < betriebszeilen; ++z)
            setzen(zahlen.wert(static_cast<Betriebszeile>(z)), a.zahlen[z]);
    };
    anlage(m_bestand, t.bestand, *m_zahlenBestand);
    setzen(m_strompreis, t.strompreis);
    anlage(m_saniert, t.geplant, *m_zahlenSaniert);
    setzen(m_abweichung, t.abweichung);
}

} // namespace grobrechner
