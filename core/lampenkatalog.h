#pragma once

#include "pfad.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace grobrechner {

// The lamp families of the planned installation; they give the group headings
// of the choice and its two columns. LED luminaires are priced and rated as of
// today, all other lamps as of April 2009.
enum class Lampenfamilie { Natrium, Kompaktleuchtstoff, Halogen, CosmoPolis, LED };

// One lamp the planned installation can be built with. The caption shows the
// luminous flux as well; the flux is never stored.
struct Lampe {
    std::string_view option;       // objectName of its choice
    Lampenfamilie familie;
    std::string_view beschriftung; // "50 Watt, 4.400 lm"
    std::string_view leuchtmittel; // lamp type as the new-construction screens name it
    float wattage;                 // W, nominal
    float systemleistung;          // W, lamp and gear; an LED luminaire has no separate gear
    float lebensdauer;             // h
    float lampenpreis;             // € per replacement lamp (or LED head), the catalogue's price
};

// The lamps in the order they stand on screen: first the left column (sodium,
// compact fluorescent, LED), then the right one (metal halide, CosmoPolis).
inline constexpr std::size_t lampenzahl = 21;
extern const std::array<Lampe, lampenzahl> Lampenkatalog;

// The position of a catalogue row, for tables kept in catalogue order.
std::size_t katalogindex(const Lampe& lampe);

// The row behind an option name; nullptr for a name the catalogue lacks.
const Lampe* lampeMitOption(std::string_view option);

// The name a lamp is known by in files, messages and street lists: the family
// and the wattage, "Natriumdampf 70 W", "LED 30 W". Unique in the catalogue.
std::string lampenschluessel(const Lampe& lampe);
// The row of a key; nullptr for a key the catalogue lacks.
const Lampe* lampeMitSchluessel(std::string_view schluessel);

// One lamp type of an existing installation. Its wattage is typed, not chosen.
struct Bestandslampe {
    std::string_view option;
    std::string_view beschriftung;
    std::string_view leuchtmittelb; // lamp type, in the plural
    float lebensdauerb;             // h
};

extern const std::array<Bestandslampe, 6> Bestandskatalog;

const Bestandslampe* bestandslampeMitOption(std::string_view option);

// An existing lamp type is known by its caption, "Quecksilberdampflampen".
std::string_view bestandsschluessel(const Bestandslampe& lampe);
const Bestandslampe* bestandslampeMitSchluessel(std::string_view schluessel);

// How one operating-cost input screen shows the catalogue and its switching
// choices; the screens are generated from this.
struct Lampenauswahl {
    std::string_view vorgabe;                   // option selected when the screen opens
    std::span<const std::string_view> gesperrt; // options shown disabled
    std::string_view cosmopolisTyp;             // lamp type text of the CosmoPolis rows
    std::string_view kompaktUeberschrift;       // heading of the compact fluorescent group
    bool abschaltungWaehlbar;                   // false: switch-off frame disabled, nothing selected
    bool neinEmpfohlen;                         // the switch-off "Nein" reads "Nein (empfohlen)"
};

const Lampenauswahl& lampenauswahl(Pfad pfad);

std::string_view gruppenueberschrift(const Lampenauswahl& auswahl, Lampenfamilie familie);
int spalte(Lampenfamilie familie); // 0 left, 1 right
bool waehlbar(const Lampenauswahl& auswahl, const Lampe& lampe);
const Lampe& vorgabelampe(const Lampenauswahl& auswahl);

// The lamp type as the screens of a path show it: the renovation names the
// CosmoPolis lamps in a short form.
std::string_view leuchtmitteltyp(const Lampenauswahl& auswahl, const Lampe& lampe);

// The existing installation's lamp type selected when the renovation screen opens.
const Bestandslampe& bestandsvorgabe();

} // namespace grobrechner
