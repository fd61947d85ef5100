#include "blattinhalt.h"

#include "bildschirme.h"
#include "bildschirmtexte.h"
#include "wirtschaftlichkeit.h"
#include "zahlentext.h"

#include <array>
#include <iterator>

namespace grobrechner {

namespace {

// One row of one installation as the screens name it: caption, value label
// and, for a figure, its unit.
struct Zeilenbild {
    const char* beschriftungName;
    const char* beschriftung;
    const char* wertName;
    const char* einheitName = nullptr;
    const char* einheit = nullptr;
    bool betont = false;
};

Feld feld(const char* name, std::string text) { return {name ? name : "", std::move(text)}; }

Blattzeile ueberschrift(const char* name, const char* text, int abstand = 0)
{
    Blattzeile z;
    z.art = Zeilenart::Ueberschrift;
    z.beschriftung = feld(name, text);
    z.abstandDavor = abstand;
    return z;
}

Wert wert(const Zeilenbild& b, std::string text)
{
    return {{feld(b.wertName, std::move(text))}, b.einheitName ? feld(b.einheitName, b.einheit) : Feld{}, false};
}

// A row of one installation: a figure where it has a unit, a text otherwise.
Blattzeile zeile(const Zeilenbild& b, std::string text, int abstand = 0)
{
    Blattzeile z;
    z.art = b.einheitName ? Zeilenart::Zahl : Zeilenart::Text;
    z.beschriftung = feld(b.beschriftungName, b.beschriftung);
    z.werte = {wert(b, std::move(text))};
    z.betont = b.betont;
    z.abstandDavor = abstand;
    return z;
}

// The captions of an installation's entered operating values, the same on
// every result screen and sheet.
constexpr const char* leuchtmittelText = "Art des Leuchtmittels:";
constexpr const char* einschaltungText = "Ein-/Ausschaltung der Anlage:";
constexpr const char* abschaltungText = "Anlage wird nachts abgeschalten:";
constexpr const char* absenkungText = "Anlage wird nachts abgesenkt:";
constexpr const char* strompreisText = "Durchschnittlicher Strompreis:";
constexpr const char* strompreiseinheit = "Cent/kWh";

// The operating figures of an installation, in the order of Betriebszeile.
struct Zahlbild {
    const char* beschriftung;
    const char* wertName;
    const char* einheit;
};
constexpr Zahlbild zahlbilder[betriebszeilen] = {
    {"Betriebsstunden pro Jahr:", "lblbetrstdjahr", "Std."},
    {"Energieverbrauch pro Jahr:", "lblenergiejahr", "kWh/a"},
    {"Energiekosten pro Jahr:", "lblenergiekojahr", "€/a"},
    {"Energieverbrauch für 25 Jahre:", "lblenergie25", "kWh"},
    {"Energiekosten für 25 Jahre:", "lblenergieko25", "€"},
    {"Lampenersatzkosten für 25 Jahre:", "lbllampenersko25", "€"},
    {"Wartungs- / Instandhaltungs- kosten für 25 Jahre:", "lblwartinstko25", "€"},
    {"Betriebskosten gesamt für 25 Jahre (Grobkosten):", "lblbetrkoges", "€"},
    {"CO₂-Ausstoß pro Jahr:", "lblco2jahr", "t/a"},
    {"CO₂-Ausstoß für 25 Jahre:", "lblco225", "t"},
};

// What one screen calls the labels of an installation's figures. The value
// labels share their names everywhere; the existing installation's end in "b".
struct Zahlnamen {
    std::array<const char*, betriebszeilen> beschriftung; // of the installation that carries the captions
    std::array<const char*, betriebszeilen> einheit;      // none: the row shows a text, not a figure
    const char* endung = "";
};

Wert zahlwert(const Zahlnamen& n, int z, const std::string& text)
{
    const Zahlbild& b = zahlbilder[z];
    if (!n.einheit[z])
        return {{{std::string(b.wertName) + n.endung, text}}, {}, true};
    return {{{std::string(b.wertName) + n.endung, text}}, feld(n.einheit[z], b.einheit)};
}

// The ten figure rows; the first installation carries the captions. The CO₂
// stands a little apart from the costs.
std::vector<Blattzeile> betriebszahlen(const Zahlnamen& erste, const Anlagentexte& ersteTexte,
                                       const Zahlnamen* zweite, const Anlagentexte* zweiteTexte,
                                       const char* gesamtbeschriftung, int abstand)
{
    std::vector<Blattzeile> zeilen;
    for (int z = 0; z < betriebszeilen; ++z) {
        Blattzeile r;
        r.art = Zeilenart::Zahl;
        r.beschriftung = feld(erste.beschriftung[z], z == Gesamt && gesamtbeschriftung ? gesamtbeschriftung
                                                                                     : zahlbilder[z].beschriftung);
        r.werte = {zahlwert(erste, z, ersteTexte.zahlen[z])};
        if (zweite)
            r.werte.push_back(zahlwert(*zweite, z, zweiteTexte->zahlen[z]));
        r.betont = z == Gesamt;
        r.abstandDavor = z == 0 ? abstand : z == Co2Jahr ? 8 : 0;
        zeilen.push_back(std::move(r));
    }
    return zeilen;
}

// A note across the table; hidden while it has nothing to say.
Blattzeile anmerkung(const char* name, std::string text)
{
    Blattzeile z;
    z.art = Zeilenart::Anmerkung;
    z.verborgen = text.empty();
    z.beschriftung = feld(name, std::move(text));
    return z;
}

// The renovation's worth beyond the plain sums: energy saved, the grant and
// the own share, the payback with it, and the present value and dynamic
// payback at the interest rate with the price rising.
std::vector<Blattzeile> sanierungswirtschaftszeilen(const Pfadzustand& z, const Sanierungsblatttexte& texte)
{
    const Sanierungswirtschaft w = sanierungswirtschaft(z);
    const std::string eigenanteil = formatGanzzahl(w.eigenanteil);
    Blattzeile dynamisch = zeile({"Labeldynamo", "Dynamische Amortisation", "lbldynamo", "Labeldynamoeinheit", "Jahre"},
                                 w.dynamischeAmortisation ? formatEineStelle(*w.dynamischeAmortisation)
                                                          : "keine Amortisation innerhalb von 25 Jahren");
    // Without a payback the row says so in words, over the figure and unit.
    if (!w.dynamischeAmortisation)
        dynamisch.werte.front() = {{feld("lbldynamo", "keine Amortisation innerhalb von 25 Jahren")}, {}, true};
    Blattzeile einsparung = zeile({"Labelenergieersp", "Energieeinsparung", "lblenergieersp"},
                                  w.energieeinsparung ? formatGanzzahl(*w.energieeinsparung * 100) + " %"
                                                      : std::string(undefiniert));
    einsparung.art = Zeilenart::Zahl; // a figure, right-aligned; its unit is in its text
    return {
        ueberschrift("Labelwirtschaftlichkeit", "Wirtschaftlichkeit", 16),
        einsparung,
        zeile({"Labelfoerderung", "Förderung", "lblfoerderung", "Labelfoerderungeinheit", "€"},
              formatGanzzahl(w.foerderung)),
        anmerkung("lblfoerderhinweis", w.foerderhinweis),
        zeile({"Labeleigenanteil", "Eigenanteil", "lbleigenanteil", "Labeleigenanteileinheit", "€"}, eigenanteil),
        // As the payback, with the own share in place of the renovation costs.
        zeile({"Labelamofoerd", "Amortisation mit Förderung", "lblamofoerd", "Labelamofoerdeinheit", "Jahre"},
              sanierungsblatt(eigenanteil, texte.betrieb.bestand.zahlen[Gesamt], texte.betrieb.geplant.zahlen[Gesamt])
                  .amo),
        zeile({"Labelkapitalwert", "Kapitalwert über 25 Jahre", "lblkapitalwert", "Labelkapitalwerteinheit", "€"},
              formatGanzzahl(w.kapitalwert)),
        dynamisch,
        anmerkung("lblwirtschaftsbasis", wirtschaftsbasistext(z.grundlage.preise, true)),
    };
}

// --- Step 2 of a new construction -----------------------------------------

enum class Bauzeile { Leuchtenart, Strassenlaenge, Lichtpunkthoehe, Lichtpunktabstand, Verteiler, Grabung, Regelabstand,
                      Anzahl, Kosten };

Blatttabelle errichtungsergebnis(const Pfadzustand& z)
{
    using T = Errichtungstexte;
    const struct {
        Zeilenbild bild;
        std::string T::*text;
    } bilder[] = {
        {{"Label4", "Art der Leuchte:", "lblleuchtenart"}, &T::leuchtenart},
        {{"Label7", "Sträßenlänge:", "lblstraßenlänge", "Label16", "m"}, &T::strassenlaenge},
        {{"Label8", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label15", "m"}, &T::lichtpunkthoehe},
        {{"Label9", "Lichtpunktabstand:", "lbllichtpunktabstand", "Label14", "m"}, &T::lichtpunktabstand},
        {{"Label10", "Verteilerneuerrichtung:", "lblverteiler"}, &T::verteiler},
        {{"Label11", "Grabungslänge im Asphalt:", "lblgrabungslänge", "Label12", "m"}, &T::grabungslaenge},
        // On the state road the spacing follows from the table: a result.
        {{"Label9", "Lichtpunktabstand:", "lbllpa", "Label14", "m"}, &T::lichtpunktabstand},
        {{"Label5", "Anzahl der LP (aufgerundet):", "lblanzahllp", "Label17", "Stk."}, &T::anzahllp},
        {{"Label6", "Errichtungskosten (Grobkosten):", "lblerrko", "Label13", "€", true}, &T::errko},
    };
    static_assert(std::size(bilder) == static_cast<std::size_t>(Bauzeile::Kosten) + 1);
    using B = Bauzeile;
    const bool land = z.pfad == Pfad::Landesstrasse;
    const std::vector<B> eingegeben = land ? std::vector<B>{B::Leuchtenart, B::Strassenlaenge, B::Lichtpunkthoehe,
                                                            B::Verteiler, B::Grabung}
                                           : std::vector<B>{B::Leuchtenart, B::Strassenlaenge, B::Lichtpunkthoehe,
                                                            B::Lichtpunktabstand, B::Verteiler, B::Grabung};
    const std::vector<B> ergebnis =
        land ? std::vector<B>{B::Regelabstand, B::Anzahl, B::Kosten} : std::vector<B>{B::Anzahl, B::Kosten};

    const Errichtungstexte texte = errichtungstexte(z);
    Blatttabelle t;
    const auto zeigen = [&](B b) {
        const auto& bild = bilder[static_cast<int>(b)];
        t.zeilen.push_back(zeile(bild.bild, texte.*bild.text));
    };
    t.zeilen.push_back(ueberschrift("Label1", "Eingegebene Werte"));
    for (B b : eingegeben)
        zeigen(b);
    t.zeilen.push_back(ueberschrift("Label3", "Berechnungsergebnis", 16));
    for (B b : ergebnis)
        zeigen(b);
    return t;
}

// --- Step 2 of the renovation ----------------------------------------------

Blatttabelle sanierungsergebnis(const Pfadzustand& z)
{
    const Sanierungstexte texte = sanierungstexte(z);
    return {{},
            {},
            {
                ueberschrift("Label1", "Eingegebene Werte"),
                zeile({"Label4", "Art der Leuchte:", "lblleuchtenart"}, texte.leuchtenart),
                zeile({"Label7", "Weiterverwendung der Maste:", "lblmaste"}, texte.maste),
                zeile({"Label10", "Verteilerneuerrichtung:", "lblverteiler"}, texte.verteiler),
                zeile({"Label11", "Anzahl der zu sanierenden Lichtpunkte:", "lbllp", "Label16", "Stk."}, texte.lp),
                ueberschrift("Label3", "Berechnungsergebnis", 16),
                zeile({"Label5", "Sanierungskosten (Grobkosten):", "lblsanko", "Label17", "€", true}, texte.sanko),
            }};
}

// --- The entered operating values of a new installation ---------------------

enum class Betriebswert { Leuchtmittel, Einschaltung, Abschaltung, Absenkung, Strompreis };

// The captions' names of the five rows, in the order of Betriebswert.
using Betriebswertnamen = std::array<const char*, 5>;

// A new installation's entered values in the order its path shows them; the
// state road is never switched off, so that row stays hidden.
std::vector<Blattzeile> betriebswerte(Pfad pfad, const Betriebstexte& texte, const Betriebswertnamen& namen,
                                      bool leuchtmittelEinzeilig)
{
    using W = Betriebswert;
    const Anlagentexte& a = texte.geplant;
    const auto eine = [&](W w) {
        const char* name = namen[static_cast<std::size_t>(w)];
        switch (w) {
        case W::Leuchtmittel: {
            Blattzeile r = zeile({name, leuchtmittelText, "lblleuchtmittel"}, a.leuchtmittel);
            r.einzeilig = leuchtmittelEinzeilig;
            return r;
        }
        case W::Einschaltung:
            return zeile({name, einschaltungText, "lbleinschaltung"}, a.einschaltung);
        case W::Abschaltung: {
            Blattzeile r = zeile({name, abschaltungText, "lblabschaltung"}, a.abschaltung);
            r.verborgen = pfad == Pfad::Landesstrasse;
            return r;
        }
        case W::Absenkung:
            return zeile({name, absenkungText, "lblabsenkung"}, a.absenkung);
        case W::Strompreis:
            break;
        }
        return Blattzeile{};
    };
    std::vector<Blattzeile> zeilen;
    for (W w : pfad == Pfad::Landesstrasse ? std::vector<W>{W::Leuchtmittel, W::Einschaltung, W::Absenkung}
                                           : std::vector<W>{W::Leuchtmittel, W::Einschaltung, W::Abschaltung,
                                                            W::Absenkung})
        zeilen.push_back(eine(w));
    return zeilen;
}

// --- Step 4 of a new construction --------------------------------------------

Blatttabelle betriebsergebnis(const Pfadzustand& z)
{
    const Betriebstexte texte = betriebstexte(z);
    const Betriebswertnamen namen{"Label13", "Label12", "Label8", "Label9", "Label3"};
    Blatttabelle t;
    t.zeilen.push_back(ueberschrift("Label16", "Eingegebene Werte"));
    for (Blattzeile& r : betriebswerte(z.pfad, texte, namen, true))
        t.zeilen.push_back(std::move(r));
    const Blattzeile strompreis =
        zeile({"Label3", strompreisText, "lblstrompreis", "Label20", strompreiseinheit}, texte.strompreis);
    // The state road names its price before the (hidden) switch-off.
    if (z.pfad == Pfad::Landesstrasse) {
        t.zeilen.push_back(strompreis);
        Blattzeile abschaltung = zeile({"Label8", abschaltungText, "lblabschaltung"}, texte.geplant.abschaltung);
        abschaltung.verborgen = true;
        t.zeilen.push_back(abschaltung);
    } else {
        t.zeilen.push_back(strompreis);
    }
    t.zeilen.push_back(ueberschrift("Label17", "Berechnungsergebnis", 16));
    const Zahlnamen zahlen{{"Label5", "Label6", "Label4", "Label7", "Label10", "Label11", "Label14", "Label15",
                            "Labelco2jahr", "Labelco225"},
                           {"Label18", "Label19", "Label21", "Label22", "Label23", "Label24", "Label25", "Label26",
                            "Labelco2jahreinheit", "Labelco225einheit"}};
    // Two blanks before "(Grobkosten)" on the state road only.
    const char* gesamt = z.pfad == Pfad::Landesstrasse ? "Betriebskosten gesamt für 25 Jahre  (Grobkosten):" : nullptr;
    for (Blattzeile& r : betriebszahlen(zahlen, texte.geplant, nullptr, nullptr, gesamt, 0))
        t.zeilen.push_back(std::move(r));
    return t;
}

// --- The existing and the renovated installation side by side ----------------

struct Vergleichsnamen {
    const char* kopfBestand;
    const char* kopfSaniert;
    const char* eingabenUeberschrift; // none on the sheet
    const char* leuchtmittel;         // captions of the entered values
    const char* einschaltung;
    const char* abschaltung;
    const char* absenkung;
    const char* strompreis;
    const char* strompreiseinheit;
    const char* ergebnisUeberschrift; // none on the sheet
    Zahlnamen bestand;                // carries the row captions
    Zahlnamen saniert;
    bool leuchtmittelEinzeilig;
};

// The existing installation's maintenance already contains its lamps: that
// row shows a note in its figure's place, and no unit.
Blatttabelle anlagenvergleich(const Betriebstexte& t, const Vergleichsnamen& n)
{
    Blatttabelle v;
    v.koepfe = {feld(n.kopfBestand, "Bestand der Straßenbeleuchtung"),
                feld(n.kopfSaniert, "Straßenbeleuchtung nach Sanierung")};
    v.abweichungskopf = feld("Label37", "Abweichung");
    if (n.eingabenUeberschrift)
        v.zeilen.push_back(ueberschrift(n.eingabenUeberschrift, "Eingegebene Werte"));

    const auto text = [](const char* name, const char* beschriftung, Wert bestand, Wert saniert) {
        Blattzeile r;
        r.art = Zeilenart::Text;
        r.beschriftung = feld(name, beschriftung);
        r.werte = {std::move(bestand), std::move(saniert)};
        return r;
    };
    Blattzeile lampe = text(n.leuchtmittel, leuchtmittelText,
                            {{{"lblleuchtmittelb", t.bestand.leuchtmittel}, {"lblwattageb", t.bestand.wattage}}, {}},
                            {{{"lblleuchtmittel", t.geplant.leuchtmittel}}, {}});
    lampe.einzeilig = n.leuchtmittelEinzeilig;
    v.zeilen.push_back(std::move(lampe));
    v.zeilen.push_back(text(n.einschaltung, einschaltungText, {{{"lbleinschaltungb", t.bestand.einschaltung}}, {}},
                            {{{"lbleinschaltung", t.geplant.einschaltung}}, {}}));
    v.zeilen.push_back(text(n.abschaltung, abschaltungText, {{{"lblabschaltungb", t.bestand.abschaltung}}, {}},
                            {{{"lblabschaltung", t.geplant.abschaltung}}, {}}));
    v.zeilen.push_back(text(n.absenkung, absenkungText, {{{"lblabsenkungb", t.bestand.absenkung}}, {}},
                            {{{"lblabsenkung", t.geplant.absenkung}}, {}}));
    // One price for both installations, in the existing one's column.
    v.zeilen.push_back(zeile({n.strompreis, strompreisText, "lblstrompreis", n.strompreiseinheit, strompreiseinheit},
                             t.strompreis));

    int abstand = 16;
    if (n.ergebnisUeberschrift) {
        v.zeilen.push_back(ueberschrift(n.ergebnisUeberschrift, "Berechnungsergebnis", abstand));
        abstand = 0;
    }
    std::vector<Blattzeile> zahlen = betriebszahlen(n.bestand, t.bestand, &n.saniert, &t.geplant, nullptr, abstand);
    zahlen[Gesamt].abweichung = feld("lbl7", t.abweichung);
    for (Blattzeile& r : zahlen)
        v.zeilen.push_back(std::move(r));
    return v;
}

// The renovated installation's units are named alike on both screens that compare.
const Zahlnamen saniertNamen{{},
                             {"Label30", "Label31", "Label32", "Label33", "Label34", "Label27", "Label28", "Label29",
                              "Labelco2jahreinheit", "Labelco225einheit"}};

Blatttabelle betriebsvergleich(const Pfadzustand& z)
{
    // The existing installation carries the row captions.
    const Vergleichsnamen namen{
        "Label9", "Label8", "Label1", "Label3", "Label4", "Label5", "Label6", "Label7", "Label10", "Label17",
        {{"Label22", "Label21", "Label20", "Label19", "Label18", "Label16", "Label13", "Label12", "Labelco2jahr",
          "Labelco225"},
         {"Label15", "Label23", "Label24", "Label25", "Label26", nullptr, "Label35", "Label36",
          "Labelco2jahreinheitb", "Labelco225einheitb"},
         "b"},
        saniertNamen,
        true,
    };
    return anlagenvergleich(betriebstexte(z), namen);
}

// --- The overall sheets ------------------------------------------------------

// Moved, not copied: a street list builds thousands of sheets.
std::vector<Blatttabelle> zweiTabellen(Blatttabelle links, Blatttabelle rechts)
{
    std::vector<Blatttabelle> tabellen(2);
    tabellen[0] = std::move(links);
    tabellen[1] = std::move(rechts);
    return tabellen;
}

std::vector<Blatttabelle> neuerrichtungsblatt(const Pfadzustand& z)
{
    const Neuerrichtungsblatttexte texte = neuerrichtungsblatttexte(z);
    const Errichtungstexte& e = texte.errichtung;
    const bool land = z.pfad == Pfad::Landesstrasse;
    Blatttabelle links;
    links.zeilen.push_back(ueberschrift("Label3", "Eingegebene Werte"));
    links.zeilen.push_back(zeile({"Label4", "Art der Leuchte:", "lblleuchtenart"}, e.leuchtenart));
    links.zeilen.push_back(zeile({"Label5", "Sträßenlänge:", "lblstraßenlänge", "Label6", "m"}, e.strassenlaenge));
    links.zeilen.push_back(zeile({"Label7", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label8", "m"}, e.lichtpunkthoehe));
    const Blattzeile abstand =
        zeile({"Label9", "Lichtpunktabstand:", "lbllichtpunktabstand", "Label10", "m"}, e.lichtpunktabstand);
    // The state road's spacing follows from its table: a result, not an entry.
    if (!land)
        links.zeilen.push_back(abstand);
    links.zeilen.push_back(zeile({"Label11", "Verteilerneuerrichtung:", "lblverteiler"}, e.verteiler));
    links.zeilen.push_back(
        zeile({"Label12", "Grabungslänge im Asphalt:", "lblgrabungslänge", "Label13", "m"}, e.grabungslaenge));
    links.zeilen.push_back(ueberschrift("Label14", "Berechnungsergebnis", 16));
    if (land)
        links.zeilen.push_back(abstand);
    links.zeilen.push_back(zeile({"Label15", "Anzahl der LP (aufgerundet):", "lblanzahllp", "Label16", "Stk."}, e.anzahllp));
    links.zeilen.push_back(zeile({"Label17", "Errichtungskosten (Grobkosten):", "lblerrko", "Label18", "€"}, e.errko));
    // Two blanks before the parenthesis.
    links.zeilen.push_back(zeile({"Label19", "Gesamtkosten der Anlage über 25 Jahre  (Grobkosten)", "lblges", "Label20",
                                  "€", true},
                                 texte.ges, 16));
    // What the 25 years are worth today.
    const std::optional<double> barwert = barwertDerGesamtkosten(z);
    links.zeilen.push_back(ueberschrift("Labelwirtschaftlichkeit", "Wirtschaftlichkeit", 16));
    links.zeilen.push_back(zeile({"Labelbarwert", "Barwert der Gesamtkosten über 25 Jahre", "lblbarwert",
                                  "Labelbarwerteinheit", "€"},
                                 barwert ? formatGanzzahl(*barwert) : std::string(undefiniert)));
    links.zeilen.push_back(anmerkung("lblwirtschaftsbasis", wirtschaftsbasistext(z.grundlage.preise, false)));

    Blatttabelle rechts;
    const Betriebswertnamen namen{"Label21", "Label22", "Label23", "Label24", "Label25"};
    rechts.zeilen = betriebswerte(Pfad::Gemeindestrasse, texte.betrieb, namen, false);
    // The sheet keeps the switch-off row in its place, hidden on the state road.
    rechts.zeilen[static_cast<std::size_t>(Betriebswert::Abschaltung)].verborgen = land;
    rechts.zeilen.push_back(
        zeile({"Label25", strompreisText, "lblstrompreis", "Label26", strompreiseinheit}, texte.betrieb.strompreis));
    const Zahlnamen zahlen{{"Label27", "Label28", "Label29", "Label30", "Label31", "Label32", "Label33", "Label34",
                            "Labelco2jahr", "Labelco225"},
                           {"Label35", "Label36", "Label37", "Label38", "Label39", "Label40", "Label41", "Label42",
                            "Labelco2jahreinheit", "Labelco225einheit"}};
    for (Blattzeile& r : betriebszahlen(zahlen, texte.betrieb.geplant, nullptr, nullptr, nullptr, 16))
        rechts.zeilen.push_back(std::move(r));
    return zweiTabellen(std::move(links), std::move(rechts));
}

std::vector<Blatttabelle> sanierungsblatt(const Pfadzustand& z)
{
    const Sanierungsblatttexte texte = sanierungsblatttexte(z);
    const Sanierungstexte& s = texte.sanierung;
    Blatttabelle links;
    links.zeilen = {
        ueberschrift("Label16", "Eingegebene Werte"),
        zeile({"Label3", "Art der Leuchte:", "lblleuchtenart"}, s.leuchtenart),
        zeile({"Label12", "Anzahl der zu sanierenden Lichtpunkte:", "lbllp", "Label13", "Stk."}, s.lp),
        zeile({"Label9", "Verteilerneuerrichtung:", "lblverteiler"}, s.verteiler),
        zeile({"Label8", "Weiterverwendung der Maste:", "lblmaste"}, s.maste),
        ueberschrift("Label17", "Berechnungsergebnis", 16),
        zeile({"Label1", "Sanierungskosten (Grobkosten):", "lblsanko", "Label20", "€"}, s.sanko),
        // Two blanks before the parenthesis.
        zeile({"Label49", "Gesamtkosten der zu sanierenden Anlage über 25 Jahre  (Grobkosten)", "lblges", "Label47",
               "€", true},
              texte.eigene.ges),
        zeile({"Label14", "Amortisation", "lblamo", "Label43", "Jahre"}, texte.eigene.amo),
    };
    // Right under the payback, how to read one beyond the horizon; otherwise nothing.
    links.zeilen.push_back(anmerkung("lblamohinweis", texte.eigene.amohinweis));
    links.zeilen.push_back(zeile({"Label48", "Gesamtersparnis über 25 Jahre", "lblgesersp", "Label51", "€"},
                                 texte.eigene.gesersp));
    links.zeilen.push_back(zeile({"Labelco2ersp", "CO₂-Einsparung über 25 Jahre", "lblco2ersp", "Labelco2erspeinheit",
                                  "t"},
                                 texte.eigene.co2ersp));
    for (Blattzeile& r : sanierungswirtschaftszeilen(z, texte))
        links.zeilen.push_back(r);

    // The existing installation carries the row captions.
    const Vergleichsnamen namen{
        "Label18", "Label19", nullptr, "Label15", "Label4", "Label5", "Label6", "Label7", "Label10", nullptr,
        {{"Label22", "Label38", "Label39", "Label40", "Label42", "Label44", "Label45", "Label46", "Labelco2jahr",
          "Labelco225"},
         {"Label21", "Label23", "Label24", "Label25", "Label26", nullptr, "Label35", "Label36",
          "Labelco2jahreinheitb", "Labelco225einheitb"},
         "b"},
        saniertNamen,
        false,
    };
    return zweiTabellen(std::move(links), anlagenvergleich(texte.betrieb, namen));
}

// The text of a value: its labels, blank-separated.
std::string zusammen(const Wert& w)
{
    std::string text;
    for (const Feld& f : w.teile)
        text += (text.empty() ? "" : " ") + f.text;
    return text;
}

void kuerzen(std::vector<std::string>& zellen)
{
    while (!zellen.empty() && zellen.back().empty())
        zellen.pop_back();
}

} // namespace

Blattinhalt blattinhalt(const Pfadzustand& z, Schritt schritt)
{
    Blattinhalt inhalt;
    if (istEingabe(schritt))
        return inhalt;
    inhalt.titel = bildschirm(z.pfad, schritt).titel;
    inhalt.bezeichnung = bezeichnungstext(z);
    inhalt.datenbasis = datenbasistext(z, schritt);
    const bool sanierung = z.pfad == Pfad::Sanierung;
    switch (schritt) {
    case Schritt::Kosten:
        inhalt.tabellen = {sanierung ? sanierungsergebnis(z) : errichtungsergebnis(z)};
        break;
    case Schritt::Betrieb:
        inhalt.tabellen = {sanierung ? betriebsvergleich(z) : betriebsergebnis(z)};
        break;
    default:
        inhalt.tabellen = sanierung ? sanierungsblatt(z) : neuerrichtungsblatt(z);
        break;
    }
    return inhalt;
}

std::vector<std::vector<std::string>> blattzeilen(const Blattinhalt& inhalt)
{
    std::vector<std::vector<std::string>> zeilen{{inhalt.titel}};
    if (!inhalt.bezeichnung.empty())
        zeilen.push_back({inhalt.bezeichnung});
    zeilen.push_back({inhalt.datenbasis});
    for (const Blatttabelle& t : inhalt.tabellen) {
        if (!t.koepfe.empty()) {
            std::vector<std::string> koepfe;
            for (const Feld& kopf : t.koepfe)
                koepfe.insert(koepfe.end(), {"", kopf.text});
            koepfe.insert(koepfe.end(), {"", t.abweichungskopf.text});
            kuerzen(koepfe);
            zeilen.push_back(koepfe);
        }
        for (const Blattzeile& r : t.zeilen) {
            if (r.verborgen)
                continue;
            std::vector<std::string> zellen{r.beschriftung.text};
            for (const Wert& w : r.werte)
                zellen.insert(zellen.end(), {zusammen(w), w.einheit.text});
            if (!r.abweichung.name.empty())
                zellen.push_back(r.abweichung.text);
            kuerzen(zellen);
            zeilen.push_back(zellen);
        }
    }
    return zeilen;
}

} // namespace grobrechner
