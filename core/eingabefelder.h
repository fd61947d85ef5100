#pragma once

#include "eingabe.h"
#include "kalkulationsdaten.h"
#include "pfad.h"

#include <optional>
#include <span>
#include <vector>

// Which inputs each input screen takes, and the limits its checks put on them.
// The input screens, the path resets and a calculation read back from a file
// all take them from here.

namespace grobrechner {

// Every input of the record, one per field or choice of the input screens.
enum class Eingabefeld {
    // Step 1: the construction or renovation.
    bezeichnung,
    leuchtenart,
    strlaenge,
    lphoehe,
    lpabstand,
    anzahllp,
    verteiler,
    mast,
    grabungsl,
    // Step 3: the operating costs of the planned installation…
    lampe,
    einschaltung,
    abschaltung,
    abschaltdauer,
    absenkung,
    strompreis,
    // …and, on a renovation, of the existing one.
    wattageb,
    bestandslampe,
    einschaltungb,
    abschaltungb,
    abschaltdauerb,
    absenkungb,
};

// The inputs of the input screen of step 1 or step 3 of a path, in the order
// its checks take them (a rule between two inputs comes with the later one);
// nothing for the other steps.
std::span<const Eingabefeld> eingabefelder(Pfad pfad, int schritt);

// Copies one input from another record.
void uebernehmen(Kalkulationsdaten& ziel, const Kalkulationsdaten& quelle, Eingabefeld feld);

// The longest name of a calculation, in characters as a text field counts them.
inline constexpr int bezeichnungZeichen = 80;

// A typed number of an input screen: how many characters its field takes and
// the bound its number must lie above.
struct Zahlfeld {
    int zeichen;
    Untergrenze grenze;
};

// The field of a typed number on a path; nothing for an input that is chosen
// rather than typed.
std::optional<Zahlfeld> zahlfeld(Eingabefeld feld, Pfad pfad);

// Whether `wert` is a number its field lets through: the plain text of the
// number (zahltext) fits into the field, passes its check and stands for
// exactly `wert` — the number a typed text stands for, not the float the
// record keeps of it.
bool zahlPasst(const Zahlfeld& feld, double wert);

// The mast heights a path's input offers in its list, in their order.
std::vector<float> lichtpunkthoehen(Pfad pfad);

// The digging length in asphalt may be as long as the street, not longer.
bool grabungslaengePasst(float grabungsl, float strlaenge);

} // namespace grobrechner
