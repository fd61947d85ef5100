#include "eingabefelder.h"

#include "errichtungskosten.h"
#include "zahlentext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <utility>

namespace grobrechner {

namespace {

using F = Eingabefeld;

constexpr F landesstrasse[] = {F::bezeichnung, F::leuchtenart, F::strlaenge, F::lphoehe, F::verteiler, F::grabungsl};
constexpr F gemeindestrasse[] = {F::bezeichnung, F::leuchtenart, F::strlaenge, F::lphoehe,
                                 F::lpabstand,   F::verteiler,   F::grabungsl};
constexpr F sanierung[] = {F::bezeichnung, F::leuchtenart, F::anzahllp, F::verteiler, F::mast};
// The state road's switch-off cannot be chosen, but it is reset all the same,
// so that a switch-off chosen on another path does not reach its figures.
constexpr F betrieb[] = {F::lampe, F::einschaltung, F::abschaltung, F::abschaltdauer, F::absenkung, F::strompreis};
constexpr F betriebMitBestand[] = {F::wattageb,      F::strompreis,    F::lampe,          F::einschaltung,
                                   F::abschaltung,   F::abschaltdauer, F::absenkung,      F::bestandslampe,
                                   F::einschaltungb, F::abschaltungb,  F::abschaltdauerb, F::absenkungb};

struct Benennung {
    Eingabefeld feld;
    std::string_view schluessel;
    std::string_view beschriftung;
};
// In the order of the record.
constexpr Benennung benennungen[] = {
    {F::bezeichnung, "bezeichnung", "Bezeichnung"},
    {F::leuchtenart, "leuchtenart", "Art der Leuchte"},
    {F::strlaenge, "strlaenge", "Straßenlänge"},
    {F::lphoehe, "lphoehe", "Lichtpunkthöhe"},
    {F::lpabstand, "lpabstand", "Lichtpunktabstand"},
    {F::anzahllp, "anzahllp", "Anzahl der zu sanierenden Lichtpunkte"},
    {F::verteiler, "verteiler", "Verteilerneuerrichtung"},
    {F::mast, "mast", "Weiterverwendung der Maste"},
    {F::grabungsl, "grabungsl", "Grabungslänge im Asphalt"},
    {F::lampe, "lampe", "Leuchtmittel"},
    {F::einschaltung, "einschaltung", "Ein-/Ausschaltung der Anlage"},
    {F::abschaltung, "abschaltung", "nächtliche Abschaltung"},
    {F::abschaltdauer, "abschaltdauer", "Abschaltdauer"},
    {F::absenkung, "absenkung", "nächtliche Absenkung"},
    {F::strompreis, "strompreis", "Strompreis"},
    {F::wattageb, "wattageb", "Wattage des Bestands"},
    {F::bestandslampe, "bestandslampe", "Leuchtmittel des Bestands"},
    {F::einschaltungb, "einschaltungb", "Ein-/Ausschaltung des Bestands"},
    {F::abschaltungb, "abschaltungb", "nächtliche Abschaltung des Bestands"},
    {F::abschaltdauerb, "abschaltdauerb", "Abschaltdauer des Bestands"},
    {F::absenkungb, "absenkungb", "nächtliche Absenkung des Bestands"},
};

constexpr std::size_t eingabezahl = std::size(benennungen);
constexpr std::array<Eingabefeld, eingabezahl> reihenfolge = [] {
    std::array<Eingabefeld, eingabezahl> alle{};
    for (std::size_t i = 0; i < eingabezahl; ++i)
        alle[i] = benennungen[i].feld;
    return alle;
}();

static_assert(
    [] {
        for (std::size_t i = 0; i < eingabezahl; ++i)
            if (static_cast<std::size_t>(benennungen[i].feld) != i)
                return false;
        return eingabezahl == static_cast<std::size_t>(F::absenkungb) + 1;
    }(),
    "one name per input, in the order of the enum");

const Benennung& benennung(Eingabefeld feld) { return benennungen[static_cast<std::size_t>(feld)]; }

std::string text(float zahl) { return zahltext(zahl); }

} // namespace

std::span<const Eingabefeld> alleEingabefelder() { return reihenfolge; }

std::string_view eingabeschluessel(Eingabefeld feld) { return benennung(feld).schluessel; }

std::string_view eingabebeschriftung(Eingabefeld feld) { return benennung(feld).beschriftung; }

std::span<const Eingabefeld> eingabefelder(Pfad pfad, Schritt schritt)
{
    if (schritt == Schritt::Betriebseingabe)
        return pfad == Pfad::Sanierung ? std::span<const F>(betriebMitBestand) : std::span<const F>(betrieb);
    if (schritt != Schritt::Eingabe)
        return {};
    switch (pfad) {
    case Pfad::Landesstrasse:
        return landesstrasse;
    case Pfad::Gemeindestrasse:
        return gemeindestrasse;
    case Pfad::Sanierung:
        break;
    }
    return sanierung;
}

void uebernehmen(Kalkulationsdaten& ziel, const Kalkulationsdaten& quelle, Eingabefeld feld)
{
    std::visit(
        [&](auto* z) {
            using Wert = std::remove_pointer_t<decltype(z)>;
            *z = *std::get<const Wert*>(eingabe(quelle, feld));
        },
        eingabe(ziel, feld));
}

std::optional<Zahlfeld> zahlfeld(Eingabefeld feld, Pfad pfad)
{
    using U = Untergrenze;
    switch (feld) {
    case F::strlaenge:
        return Zahlfeld{5, U::UeberNull};
    case F::lpabstand:
        return Zahlfeld{2, U::UeberNull};
    case F::anzahllp:
        return Zahlfeld{3, U::UeberNull};
    case F::grabungsl:
        return Zahlfeld{5, U::AbNull};
    case F::abschaltdauer:
    case F::abschaltdauerb:
        return Zahlfeld{1, U::UeberNull};
    case F::strompreis:
        // Only the municipal road insists on a price.
        return Zahlfeld{2, pfad == Pfad::Gemeindestrasse ? U::UeberNull : U::AbNull};
    case F::wattageb:
        return Zahlfeld{3, U::UeberNull};
    default:
        return std::nullopt;
    }
}

bool zahlPasst(const Zahlfeld& feld, double wert)
{
    const auto einfach = static_cast<float>(wert);
    if (!std::isfinite(einfach))
        return false;
    const std::string text = zahltext(einfach);
    return text.size() <= static_cast<std::size_t>(feld.zeichen) && eingabeLesen(text, feld.grenze)
           && zahlAusText(text) == wert;
}

std::vector<float> lichtpunkthoehen(Pfad pfad)
{
    std::vector<float> hoehen;
    if (pfad == Pfad::Landesstrasse)
        for (const Regelabstand& zeile : regelabstaende())
            hoehen.push_back(zeile.hoehe);
    else if (pfad == Pfad::Gemeindestrasse)
        for (const Abstandsempfehlung& zeile : abstandsempfehlungen())
            hoehen.push_back(zeile.hoehe);
    return hoehen;
}

std::string zahlregel(const Zahlfeld& feld)
{
    return std::string("Zahlen ") + (feld.grenze == Untergrenze::UeberNull ? "über 0" : "ab 0") + " mit höchstens "
           + std::to_string(feld.zeichen) + " Zeichen";
}

bool hoehePasst(Pfad pfad, double hoehe)
{
    const std::vector<float> hoehen = lichtpunkthoehen(pfad);
    return std::any_of(hoehen.begin(), hoehen.end(), [&](float h) { return double(h) == hoehe; });
}

std::string hoehenliste(Pfad pfad)
{
    std::string liste;
    for (float h : lichtpunkthoehen(pfad))
        liste += (liste.empty() ? "" : ", ") + zahltext(h);
    return liste;
}

bool grabungslaengePasst(float grabungsl, float strlaenge) { return grabungsl <= strlaenge; }

bool abstandPasst(float lpabstand, float lphoehe)
{
    const Abstandsempfehlung* zeile = abstandsempfehlung(lphoehe);
    return zeile && lpabstand <= zeile->maximum;
}

bool ohneVorgabe(Eingabefeld feld)
{
    switch (feld) {
    case F::strlaenge:
    case F::lphoehe:
    case F::lpabstand:
    case F::anzahllp:
    case F::grabungsl:
    case F::strompreis:
    case F::wattageb:
        return true;
    default:
        return false;
    }
}

bool eingabeZaehlt(const Kalkulationsdaten& d, Eingabefeld feld, Pfad pfad)
{
    const auto hat = [&](Schritt s) {
        const std::span<const F> felder = eingabefelder(pfad, s);
        return std::find(felder.begin(), felder.end(), feld) != felder.end();
    };
    if (!hat(Schritt::Eingabe) && !hat(Schritt::Betriebseingabe))
        return false;
    if (feld == F::abschaltdauer)
        return d.schaltung.abschaltung;
    if (feld == F::abschaltdauerb)
        return d.schaltungb.abschaltung;
    return true;
}

std::string zusammenPruefen(const Kalkulationsdaten& d, Eingabefeld feld, Pfad pfad)
{
    switch (feld) {
    case F::lpabstand: {
        if (abstandPasst(d.lpabstand, d.lphoehe))
            return {};
        const Abstandsempfehlung* zeile = abstandsempfehlung(d.lphoehe);
        return "Der Lichtpunktabstand " + text(d.lpabstand) + " m ist größer als die "
               + text(zeile ? zeile->maximum : 0) + " m, die bei " + text(d.lphoehe)
               + " m Lichtpunkthöhe möglich sind.";
    }
    case F::grabungsl:
        if (grabungslaengePasst(d.grabungsl, d.strlaenge))
            return {};
        return "Die Grabungslänge im Asphalt (" + text(d.grabungsl) + " m) ist größer als die Straßenlänge ("
               + text(d.strlaenge) + " m).";
    case F::abschaltung:
        if (!d.schaltung.abschaltung || lampenauswahl(pfad).abschaltungWaehlbar)
            return {};
        return "Auf diesem Pfad wird die Anlage nachts nie abgeschaltet.";
    default:
        return {};
    }
}

namespace {

// The format characters (Unicode category Cf): they steer the direction of
// text, join or hide characters, and would make a name read otherwise on a
// sheet than it was typed.
constexpr std::pair<char32_t, char32_t> formatzeichen[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
    {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool keinZeichenDerZeile(char32_t z)
{
    if (z < 0x20 || (z >= 0x7F && z <= 0x9F)) // control characters
        return true;
    if (z == 0x2028 || z == 0x2029) // line and paragraph separators
        return true;
    return std::any_of(std::begin(formatzeichen), std::end(formatzeichen),
                       [z](const auto& bereich) { return z >= bereich.first && z <= bereich.second; });
}

// The character that starts at name[i] and its length in bytes; a byte that
// starts no valid sequence stands for itself.
std::pair<char32_t, std::size_t> zeichenBei(std::string_view name, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(name[k]); };
    const unsigned char c = b(i);
    const std::size_t laenge = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (laenge <= 1 || i + laenge > name.size())
        return {c, 1};
    char32_t z = c & (0x7F >> laenge);
    for (std::size_t k = 1; k < laenge; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return {c, 1};
        z = (z << 6) | (b(i + k) & 0x3F);
    }
    return {z, laenge};
}

} // namespace

std::string bezeichnungEinzeilig(std::string_view name)
{
    std::string zeile;
    zeile.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        if (name[i] == '\r' && i + 1 < name.size() && name[i + 1] == '\n') {
            ++i; // the blank comes with the line feed
            continue;
        }
        const auto [zeichen, laenge] = zeichenBei(name, i);
        if (keinZeichenDerZeile(zeichen))
            zeile += ' ';
        else
            zeile.append(name.substr(i, laenge));
        i += laenge;
    }
    return zeile;
}

} // namespace grobrechner
