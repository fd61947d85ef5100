#include "eingabefelder.h"

#include "errichtungskosten.h"
#include "zahlentext.h"

#include <cmath>

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

} // namespace

std::span<const Eingabefeld> eingabefelder(Pfad pfad, int schritt)
{
    if (schritt == 3)
        return pfad == Pfad::Sanierung ? std::span<const F>(betriebMitBestand) : std::span<const F>(betrieb);
    if (schritt != 1)
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

bool grabungslaengePasst(float grabungsl, float strlaenge) { return grabungsl <= strlaenge; }

std::string bezeichnungEinzeilig(std::string_view name)
{
    std::string zeile;
    zeile.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '\r' && i + 1 < name.size() && name[i + 1] == '\n')
            continue; // the blank comes with the line feed
        // C1 controls (U+0080 to U+009F) are C2 80 to C2 9F in UTF-8.
        const bool c1 = c == 0xC2 && i + 1 < name.size() && (static_cast<unsigned char>(name[i + 1]) & 0xE0) == 0x80;
        if (c1)
            ++i;
        zeile += c < 0x20 || c == 0x7F || c1 ? ' ' : name[i];
    }
    return zeile;
}

} // namespace grobrechner
