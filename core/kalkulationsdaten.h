#pragma once

#include "lampenkatalog.h"
#include "pfad.h"

#include <optional>
#include <string>

namespace grobrechner {

enum class Leuchtenart { technisch, dekorativ };

// How an installation is switched on and off at dusk and dawn.
enum class Einschaltung {
    Daemmerungsschalter, // twilight switch (also time switch or ripple control behind one)
    Astronomisch,        // astronomical time switch
};

// The switching of one installation: the planned one and, on a renovation,
// the existing one.
struct Schaltung {
    Einschaltung einschaltung = Einschaltung::Daemmerungsschalter;
    bool abschaltung = false;            // switched off at night
    std::optional<double> abschaltdauer; // hours per night; none until a path enters its operating step
    bool absenkung = false;              // dimmed at night

    bool operator==(const Schaltung&) const = default;
};

// The one calculation record of a run: the inputs of a path, carried from its
// input screens to the computations. A fresh record holds the start values.
// Amounts are single precision, as the cost models round to float.
struct Kalkulationsdaten {
    std::string bezeichnung; // the calculation's name as typed (UTF-8); empty: it has none
    Leuchtenart leuchtenart = Leuchtenart::technisch;
    float strlaenge = 0;   // m
    float lphoehe = 0;     // m
    float lpabstand = 0;   // m, municipal road only
    float anzahllp = 0;    // light points; fractional on the renovation path
    bool verteiler = true; // a new distribution cabinet is built
    bool mast = false;     // renovation: the existing masts are reused
    float grabungsl = 0;   // m of digging in asphalt

    // The planned installation: a lamp of the catalogue, never null.
    const Lampe* lampe = &vorgabelampe(lampenauswahl(Pfad::Gemeindestrasse));
    Schaltung schaltung;
    float strompreis = 0; // Cent/kWh, for both installations

    // The existing installation that a renovation replaces.
    float wattageb = 80; // W per light point, as typed
    const Bestandslampe* bestandslampe = &bestandsvorgabe(); // never null
    Schaltung schaltungb;

    bool operator==(const Kalkulationsdaten&) const = default;
};

// What a path button of the main menu resets before its input screen is used
// (the inputs of its step 1, eingabefelder.h); every other field keeps the
// value of the previous calculation.
void pfadZuruecksetzen(Kalkulationsdaten& daten, Pfad pfad);

// The operating fields as a path enters its operating-cost step (the inputs of
// its step 3): the choices a freshly opened operating-cost input shows, a
// switch-off duration of 6 hours and no price; the renovation resets its
// existing installation too.
void eintrittswerteSetzen(Kalkulationsdaten& daten, Pfad pfad);

} // namespace grobrechner
