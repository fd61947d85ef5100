#pragma once

#include <optional>
#include <string>
#include <string_view>

// German number texts, independent of the C library's locales.
//
// Reading (zahlAusText, singleAusText) — one parser for what the user types and
// for the figures that screens display, so a text that passes an input check
// converts to the same number later:
//   - blanks before and after the number are ignored; a text of blanks only,
//     or the empty text, is not a number;
//   - an optional sign "+" or "-" directly before the first digit or comma;
//   - digits 0-9 only; no exponent, no "inf", no "nan";
//   - "." groups thousands and may stand only between groups of three digits
//     in the whole part: "1.200" and "1.050.000" are numbers, "1.2", "1.20",
//     ".5", "1..200" and "12.00,5" are not;
//   - "," is the decimal separator, at most once; a whole part or a fraction
//     may be missing but not both: ",5" is 0,5 and "1," is 1; "," alone is not
//     a number;
//   - leading zeros are allowed: "080" is 80.
// The conversion is correctly rounded (to double, or directly to float).
//
// Writing:
//   - formatGanzzahl — the pattern "#,##0": rounded to a whole number with
//     halves away from zero, "." between groups of three, a leading "-" for
//     negative figures (a value that rounds to zero shows "0");
//   - formatEineStelle — the pattern "0.#": rounded to one decimal with halves
//     away from zero, "," as decimal separator, no grouping, and no trailing
//     separator for whole numbers (25 shows as "25");
//   - formatZehntel — the pattern "#,##0.0" for a figure given in tenths:
//     the tenths rounded to a whole number with halves away from zero, then
//     written with one decimal, "," before it and "." between groups of three
//     ("1.234,5", "0,0", "-0,3");
//   - zahltext — the plain number text of a float: its shortest text that
//     reads back to the same float, with "," as decimal separator and without
//     grouping (12,5 · 50 · 0,5);
//   - zahltextGruppiert — the same with "." between groups of three in the
//     whole part, as a field shows an amount (1.250,5 · 50 · -1.000).
// Figures that are not finite have no text of their own; they show as
// "–" (an en dash), the sign for an undefined figure.

namespace grobrechner {

inline constexpr std::string_view undefiniert = "\u2013";

std::optional<double> zahlAusText(std::string_view text);
std::optional<float> singleAusText(std::string_view text);
// A number text as a spreadsheet reads it best: without blanks around it and
// without the "." between groups ("1.234,5" gives "1234,5"). Nothing for a
// text that is not a number.
std::optional<std::string> ohneGruppen(std::string_view text);

std::string formatGanzzahl(double wert);
std::string formatEineStelle(double wert);
std::string formatZehntel(double zehntel);
std::string zahltext(float wert);
std::string zahltextGruppiert(float wert);

} // namespace grobrechner
