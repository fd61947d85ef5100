#pragma once

#include "eingabe.h"
#include "kalkulationsdaten.h"
#include "pfad.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
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

// Every input, in the order of the record.
std::span<const Eingabefeld> alleEingabefelder();

// What an input is called: its key in calculation files (the record's member
// name, "strlaenge") and its caption as the input screens, messages and street
// lists name it ("Straßenlänge").
std::string_view eingabeschluessel(Eingabefeld feld);
std::string_view eingabebeschriftung(Eingabefeld feld);

// The inputs of the input screen of step 1 or step 3 of a path, in the order
// its checks take them (a rule between two inputs comes with the later one);
// nothing for the other steps.
std::span<const Eingabefeld> eingabefelder(Pfad pfad, Schritt schritt);

// Where a record keeps an input: a pointer to its member, of the type the input
// has (const for a const record).
template <typename D>
using Eingabezeiger = std::variant<
    std::conditional_t<std::is_const_v<D>, const std::string, std::string>*,
    std::conditional_t<std::is_const_v<D>, const Leuchtenart, Leuchtenart>*,
    std::conditional_t<std::is_const_v<D>, const float, float>*,
    std::conditional_t<std::is_const_v<D>, const bool, bool>*,
    std::conditional_t<std::is_const_v<D>, const Einschaltung, Einschaltung>*,
    std::conditional_t<std::is_const_v<D>, const std::optional<double>, std::optional<double>>*,
    std::conditional_t<std::is_const_v<D>, const Lampe* const, const Lampe*>*,
    std::conditional_t<std::is_const_v<D>, const Bestandslampe* const, const Bestandslampe*>*>;

template <typename D>
    requires std::is_same_v<std::remove_const_t<D>, Kalkulationsdaten>
Eingabezeiger<D> eingabe(D& d, Eingabefeld feld)
{
    using F = Eingabefeld;
    switch (feld) {
    case F::bezeichnung: return &d.bezeichnung;
    case F::leuchtenart: return &d.leuchtenart;
    case F::strlaenge: return &d.strlaenge;
    case F::lphoehe: return &d.lphoehe;
    case F::lpabstand: return &d.lpabstand;
    case F::anzahllp: return &d.anzahllp;
    case F::verteiler: return &d.verteiler;
    case F::mast: return &d.mast;
    case F::grabungsl: return &d.grabungsl;
    case F::lampe: return &d.lampe;
    case F::einschaltung: return &d.schaltung.einschaltung;
    case F::abschaltung: return &d.schaltung.abschaltung;
    case F::abschaltdauer: return &d.schaltung.abschaltdauer;
    case F::absenkung: return &d.schaltung.absenkung;
    case F::strompreis: return &d.strompreis;
    case F::wattageb: return &d.wattageb;
    case F::bestandslampe: return &d.bestandslampe;
    case F::einschaltungb: return &d.schaltungb.einschaltung;
    case F::abschaltungb: return &d.schaltungb.abschaltung;
    case F::abschaltdauerb: return &d.schaltungb.abschaltdauer;
    case F::absenkungb: break;
    }
    return &d.schaltungb.absenkung;
}

// Copies one input from another record.
void uebernehmen(Kalkulationsdaten& ziel, const Kalkulationsdaten& quelle, Eingabefeld feld);

// The longest name of a calculation, in characters as a text field counts them.
inline constexpr int bezeichnungZeichen = 80;

// A calculation's name on one line: tabs, line breaks and the other control
// characters that a table cell or a document pasted into the field brings
// along become one blank each (a CR LF pair one blank), and so do the line
// and paragraph separators and the invisible format characters (Unicode
// categories Cc, Zl, Zp and Cf: direction marks and overrides, zero-width
// characters, the soft hyphen), which would let a name reverse or break the
// line it stands in. A file holds only names of this form. `name` is UTF-8.
std::string bezeichnungEinzeilig(std::string_view name);

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

// The rule of a typed number in words, as a message goes on after "nimmt
// nur …": "Zahlen über 0 mit höchstens 5 Zeichen".
std::string zahlregel(const Zahlfeld& feld);

// The mast heights a path's input offers in its list, in their order.
std::vector<float> lichtpunkthoehen(Pfad pfad);
// Whether a height is one of them exactly.
bool hoehePasst(Pfad pfad, double hoehe);
// The heights offered, as a message names them: "5, 6, 7, 8".
std::string hoehenliste(Pfad pfad);

// The digging length in asphalt may be as long as the street, not longer.
bool grabungslaengePasst(float grabungsl, float strlaenge);

// The spacing the user chooses may reach the largest the recommendation
// gives for the height, not beyond; a height without a recommendation takes
// no spacing at all.
bool abstandPasst(float lpabstand, float lphoehe);

// Whether an input's field opens without a value, so that the user must type
// or choose one: the lengths, the height, the spacing, the number of light
// points, the electricity price and the existing wattage. Every other input
// shows a choice or a value as its screen opens (the start values, and the
// entry values of the operating step).
bool ohneVorgabe(Eingabefeld feld);

// Whether an input enters the figures of a path: it is one of the inputs of
// the path's steps 1 and 3, and a switch-off duration counts only while its
// installation is switched off (its field stays hidden otherwise).
bool eingabeZaehlt(const Kalkulationsdaten& daten, Eingabefeld feld, Pfad pfad);

// The rule between an input and the inputs before it in its step, checked on
// a record whose earlier inputs have passed: empty when it holds, otherwise
// the problem as a German sentence. The input screens, the calculation files
// and the street lists all check these.
std::string zusammenPruefen(const Kalkulationsdaten& daten, Eingabefeld feld, Pfad pfad);

} // namespace grobrechner
