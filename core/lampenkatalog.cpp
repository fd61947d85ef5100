#include "lampenkatalog.h"

#include <algorithm>

namespace grobrechner {

namespace {

constexpr std::string_view natrium = "Natriumdampf-Hochdrucklampe";
constexpr std::string_view kompakt = "Kompaktleuchtstofflampe";
constexpr std::string_view halogen = "Halogen-Metalldampflampe";
constexpr std::string_view cosmopolis = "Halogen-Metalldampflampe (CosmoPolis)";
constexpr std::string_view led = "LED-Leuchte";

using F = Lampenfamilie;

// The state road offers neither the smallest nor the largest sodium lamp nor
// the 20 W metal halide lamp.
constexpr std::string_view gesperrtLandesstrasse[] = {"Option1", "Option4", "Option10"};

const Lampenauswahl auswahlJePfad[] = {
    {"Option2", gesperrtLandesstrasse, cosmopolis, "Kompaktleuchtstofflampen", false, false},
    {"Option1", {}, cosmopolis, "Kompaktleuchtstofflampe", true, true},
    // The renovation screens carry the short CosmoPolis type text.
    {"Option1", {}, "Halogen-Metalldampflampe (CP)", "Kompaktleuchtstofflampe", true, true},
};

} // namespace

const std::array<Lampe, lampenzahl> Lampenkatalog = {{
    {"Option1", F::Natrium, "50 Watt, 4.400 lm", natrium, 50, 62, 16000, 40},
    {"Option2", F::Natrium, "70 Watt, 6.600 lm", natrium, 70, 83, 16000, 40},
    {"Option3", F::Natrium, "100 Watt, 10.700 lm", natrium, 100, 115, 16000, 48},
    {"Option5", F::Natrium, "150 Watt, 17.500 lm", natrium, 150, 170, 16000, 52},
    {"Option4", F::Natrium, "250 Watt, 33.200 lm", natrium, 250, 275, 16000, 57},
    {"Option16", F::Kompaktleuchtstoff, "120 Watt, 9.000 lm", kompakt, 120, 134, 15000, 79},
    // 130 lm/W and a rated life of 100 000 h; the prices are today's guide
    // figures for a whole LED head, the larger ones estimates.
    {"optled1", F::LED, "20 Watt, 2.600 lm", led, 20, 20, 100000, 280},
    {"optled2", F::LED, "30 Watt, 3.900 lm", led, 30, 30, 100000, 280},
    {"optled3", F::LED, "40 Watt, 5.200 lm", led, 40, 40, 100000, 280},
    {"optled4", F::LED, "60 Watt, 7.800 lm", led, 60, 60, 100000, 350},
    {"optled5", F::LED, "90 Watt, 11.700 lm", led, 90, 90, 100000, 450},
    {"optled6", F::LED, "120 Watt, 15.600 lm", led, 120, 120, 100000, 450},
    {"Option10", F::Halogen, "20 Watt, 1.700 lm", halogen, 20, 23, 8000, 88},
    {"Option9", F::Halogen, "35 Watt, 3.400 lm", halogen, 35, 45, 8000, 45},
    {"Option8", F::Halogen, "70 Watt, 7.000 lm", halogen, 70, 85, 8000, 88},
    {"Option6", F::Halogen, "100 Watt, 9.500 lm", halogen, 100, 115, 8000, 93},
    {"Option7", F::Halogen, "150 Watt, 15.500 lm", halogen, 150, 170, 8000, 106},
    {"Option11", F::CosmoPolis, "45 Watt, 4.300 lm", cosmopolis, 45, 52, 12000, 103},
    {"Option12", F::CosmoPolis, "60 Watt, 6.850 lm", cosmopolis, 60, 69, 12000, 103},
    {"Option13", F::CosmoPolis, "90 Watt, 10.550 lm", cosmopolis, 90, 104, 12000, 115},
    {"Option15", F::CosmoPolis, "140 Watt, 16.500 lm", cosmopolis, 140, 161, 12000, 115},
}};

// The existing installations name their lamp types in the plural.
const std::array<Bestandslampe, 6> Bestandskatalog = {{
    {"Option23", "Quecksilberdampflampen", "Quecksilberdampflampen", 7000},
    {"Option22", "Leuchtstofflampen", "Leuchtstofflampen", 12000},
    {"Option24", "Kompaktleuchtstofflampen", "Kompaktleuchtstofflampen", 15000},
    {"Option25", "Natriumdampf-Niederdrucklampen", "Natriumdampf-Niederdrucklampen", 16000},
    {"Option26", "Natriumdampf-Hochdrucklampen", "Natriumdampf-Hochdrucklampen", 16000},
    {"Option27", "Halogen-Metalldampflampen", "Halogen-Metalldampflampen", 8000},
}};

const Lampenauswahl& lampenauswahl(Pfad pfad)
{
    return auswahlJePfad[static_cast<int>(pfad)];
}

std::string_view gruppenueberschrift(const Lampenauswahl& auswahl, Lampenfamilie familie)
{
    switch (familie) {
    case F::Natrium:
        return "Natriumdampf-Hochdrucklampen";
    case F::Kompaktleuchtstoff:
        return auswahl.kompaktUeberschrift;
    case F::Halogen:
        return "Halogen-Metalldampflampen";
    case F::CosmoPolis:
        return "CosmoPolis";
    case F::LED:
        break;
    }
    return "LED-Leuchten";
}

int spalte(Lampenfamilie familie)
{
    return familie == F::Halogen || familie == F::CosmoPolis ? 1 : 0;
}

std::size_t katalogindex(const Lampe& lampe) { return static_cast<std::size_t>(&lampe - Lampenkatalog.data()); }

bool waehlbar(const Lampenauswahl& auswahl, const Lampe& lampe)
{
    return std::find(auswahl.gesperrt.begin(), auswahl.gesperrt.end(), lampe.option) == auswahl.gesperrt.end();
}

const Lampe* lampeMitOption(std::string_view option)
{
    const auto it = std::find_if(Lampenkatalog.begin(), Lampenkatalog.end(),
                                 [&](const Lampe& l) { return l.option == option; });
    return it != Lampenkatalog.end() ? &*it : nullptr;
}

const Lampe& vorgabelampe(const Lampenauswahl& auswahl)
{
    // Every screen names one of the rows; the tests hold it to that.
    return *lampeMitOption(auswahl.vorgabe);
}

std::string_view leuchtmitteltyp(const Lampenauswahl& auswahl, const Lampe& lampe)
{
    return lampe.familie == F::CosmoPolis ? auswahl.cosmopolisTyp : lampe.leuchtmittel;
}

std::string lampenschluessel(const Lampe& lampe)
{
    constexpr std::string_view familienwort[] = {"Natriumdampf", "Kompaktleuchtstoff", "Halogen-Metalldampf",
                                                 "CosmoPolis", "LED"};
    // Catalogue wattages are whole numbers.
    return std::string(familienwort[static_cast<int>(lampe.familie)]) + " "
           + std::to_string(static_cast<int>(lampe.wattage)) + " W";
}

const Lampe* lampeMitSchluessel(std::string_view schluessel)
{
    const auto it = std::find_if(Lampenkatalog.begin(), Lampenkatalog.end(),
                                 [&](const Lampe& l) { return lampenschluessel(l) == schluessel; });
    return it != Lampenkatalog.end() ? &*it : nullptr;
}

std::string_view bestandsschluessel(const Bestandslampe& lampe) { return lampe.beschriftung; }

const Bestandslampe* bestandslampeMitSchluessel(std::string_view schluessel)
{
    const auto it = std::find_if(Bestandskatalog.begin(), Bestandskatalog.end(),
                                 [&](const Bestandslampe& l) { return bestandsschluessel(l) == schluessel; });
    return it != Bestandskatalog.end() ? &*it : nullptr;
}

const Bestandslampe& bestandsvorgabe()
{
    return Bestandskatalog.front();
}

const Bestandslampe* bestandslampeMitOption(std::string_view option)
{
    const auto it = std::find_if(Bestandskatalog.begin(), Bestandskatalog.end(),
                                 [&](const Bestandslampe& l) { return l.option == option; });
    return it != Bestandskatalog.end() ? &*it : nullptr;
}

} // namespace grobrechner
