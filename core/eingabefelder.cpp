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

void uebernehmen(Kalkulationsdaten& z, const Kalkulationsdaten& q, Eingabefeld feld)
{
    switch (feld) {
    case F::bezeichnung: z.bezeichnung = q.bezeichnung; break;
    case F::leuchtenart: z.leuchtenart = q.leuchtenart; break;
    case F::strlaenge: z.strlaenge = q.strlaenge; break;
    case F::lphoehe: z.lphoehe = q.lphoehe; break;
    case F::lpabstand: z.lpabstand = q.lpabstand; break;
    case F::anzahllp: z.anzahllp = q.anzahllp; break;
    case F::verteiler: z.verteiler = q.verteiler; break;
    case F::mast: z.mast = q.mast; break;
    case F::grabungsl: z.grabungsl = q.grabungsl; break;
    case F::lampe: z.lampe = q.lampe; break;
    case F::einschaltung: z.schaltung.einschaltung = q.schaltung.einschaltung; break;
    case F::abschaltung: z.schaltung.abschaltung = q.schaltung.abschaltung; break;
    case F::abschaltdauer: z.schaltung.abschaltdauer = q.schaltung.abschaltdauer; break;
    case F::absenkung: z.schaltung.absenkung = q.schaltung.absenkung; break;
    case F::strompreis: z.strompreis = q.strompreis; break;
    case F::wattageb: z.wattageb = q.wattageb; break;
    case F::bestandslampe: z.bestandslampe = q.bestandslampe; break;
    case F::einschaltungb: z.schaltungb.einschaltung = q.schaltungb.einschaltung; break;
    case F::abschaltungb: z.schaltungb.abschaltung = q.schaltungb.abschaltung; break;
    case F::abschaltdauerb: z.schaltungb.abschaltdauer = q.schaltungb.abschaltdauer; break;
    case F::absenkungb: z.schaltungb.absenkung = q.schaltungb.absenkung; break;
    }
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

} // namespace grobrechner
