#pragma once

#include "blattinhalt.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a street list shows of each street it computed: figures of the
// street's result sheet, one column each, and what they add up to over the
// whole list.

namespace grobrechner {

// The totals of a street list. "Before" is what the existing installations of
// the renovations cost and emit today (a new street had no lighting before);
// "after" is what every planned installation will, new streets included.
struct Listensumme {
    double investition = 0;        // €, construction and renovation
    double betriebJahrVorher = 0;  // €/a
    double betriebJahrNachher = 0; // €/a
    double ersparnis25 = 0;        // €, the renovations' saving over 25 years
    double co2JahrVorher = 0;      // t/a
    double co2JahrNachher = 0;     // t/a
    int berechnet = 0;             // streets computed
    int nichtBerechnet = 0;        // lines refused

    Listensumme& operator+=(const Listensumme& teil);
    bool operator==(const Listensumme&) const = default;
};

// One result column: its name, the labels of the result sheet that show its
// figure (a construction and a renovation name some figures differently; the
// first of them the sheet shows counts), and the total it adds into — divided by
// `teiler`, so that a 25-year figure adds into a yearly one.
struct Ergebnisspalte {
    std::string_view name;
    std::array<std::string_view, 2> felder;
    double Listensumme::*summe = nullptr;
    double teiler = 1;
};

// The result columns in the order a list shows them.
std::span<const Ergebnisspalte> ergebnisspalten();

// The figures of a result sheet in the order of ergebnisspalten(), each as the
// sheet shows it and as the sheet's CSV writes it: a number without the "."
// between groups ("1.234" gives "1234"), an undefined one as "–", words in a
// figure's place as they stand ("keine Amortisation innerhalb von 25 Jahren");
// empty where the sheet has no such figure.
std::vector<std::string> ergebniszellen(const Blattinhalt& blatt);

// Adds the figures of one computed street (cells as ergebniszellen gives
// them) to the totals; a figure that is not a number adds nothing.
void addieren(Listensumme& summe, const std::vector<std::string>& zellen);

// The payback as the sheet shows it, when the sheet lets it count as one
// within 25 years; nothing for a sheet without a payback or with one beyond.
std::optional<double> amortisationInnerhalb(const Blattinhalt& blatt);

// The totals in words, on one line, for the list window and its printout:
// "24 Straßen berechnet, 1 Zeile nicht berechnet · Investition 1.234.567 € · …".
std::string summentext(const Listensumme& summe);

} // namespace grobrechner
