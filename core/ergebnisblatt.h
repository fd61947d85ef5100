#pragma once

#include <string>
#include <string_view>

// Figures that the result sheets work out from texts other screens display.
// They use the rounded figures as shown, so they equal what a reader works out
// from the sheet. A text that is no number, or a figure that is undefined,
// gives the text `undefiniert` ("–").

namespace grobrechner {

// Deviation of the renovated total R from the existing total E in whole
// percent, " %" appended ("-37 %"); halves go to the even neighbour. An
// existing total of 0 has no deviation. A deviation beyond the 16-bit range of
// the figure is still shown as computed, whole and without grouping.
std::string abweichungstext(std::string_view bestand, std::string_view saniert);

// Total cost of an installation over 25 years: construction or renovation cost
// plus operating cost, added in single precision ("#,##0").
std::string gesamtkostentext(std::string_view errichtung, std::string_view betrieb);

// The renovation sheet's own figures.
struct Sanierungsblatt {
    std::string ges;        // renovation cost plus renovated operating total
    std::string amo;        // payback in years, "0.#"; undefined without a saving per year
    std::string amohinweis; // "keine Amortisation innerhalb von 25 Jahren" when the payback shown is
                            // beyond 25 years, negative or undefined; empty otherwise
    std::string gesersp;    // saving over 25 years: existing minus renovated total, less the renovation cost
    std::string co2ersp;    // CO₂ saved over 25 years, "#,##0.0" (set by the sheet's texts)
};

Sanierungsblatt sanierungsblatt(std::string_view sanko, std::string_view betrkogesb, std::string_view betrkoges);

// The difference of two figures shown with one decimal ("#,##0.0"), in the
// same pattern: what a reader works out from them.
std::string zehntelDifferenz(std::string_view minuend, std::string_view subtrahend);

} // namespace grobrechner
