#include "ergebnisblatt.h"

#include "zahlentext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace grobrechner {

namespace {

// The program never changes the rounding mode, but the rule is written out so
// that it cannot depend on one.
double halbeZurGeraden(double x)
{
    const double unten = std::floor(x);
    const double rest = x - unten;
    if (rest > 0.5)
        return unten + 1;
    if (rest < 0.5)
        return unten;
    return std::fmod(unten, 2) == 0 ? unten : unten + 1;
}

std::string ganzzahlOhneGruppen(double ganz)
{
    char puffer[400];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, ganz, std::chars_format::fixed);
    if (ec != std::errc())
        return std::string(undefiniert);
    return std::string(puffer, ende);
}

std::string undefiniertText() { return std::string(undefiniert); }

// From the payback as shown, so that the note and the figure never disagree.
std::string amortisationshinweis(std::string_view amo)
{
    constexpr double horizont = 25;
    const std::optional<double> jahre = zahlAusText(amo);
    if (jahre && *jahre >= 0 && *jahre <= horizont)
        return {};
    return "keine Amortisation innerhalb von 25 Jahren";
}

} // namespace

std::string abweichungstext(std::string_view bestand, std::string_view saniert)
{
    const std::optional<double> e = zahlAusText(bestand);
    const std::optional<double> r = zahlAusText(saniert);
    if (!e || !r || *e == 0)
        return undefiniertText();
    const double q = 100 / *e;
    const double d = halbeZurGeraden(*r * q - 100);
    if (!std::isfinite(d))
        return undefiniertText();
    if (d == 0) // also -0, which must not show a sign
        return "0 %";
    using Prozent = std::int16_t;
    if (d >= std::numeric_limits<Prozent>::min() && d <= std::numeric_limits<Prozent>::max())
        return std::to_string(static_cast<Prozent>(d)) + " %";
    return ganzzahlOhneGruppen(d) + " %";
}

std::string gesamtkostentext(std::string_view errichtung, std::string_view betrieb)
{
    const std::optional<float> a = singleAusText(errichtung);
    const std::optional<float> b = singleAusText(betrieb);
    if (!a || !b)
        return undefiniertText();
    return formatGanzzahl(static_cast<float>(static_cast<double>(*a) + *b));
}

Sanierungsblatt sanierungsblatt(std::string_view sanko, std::string_view betrkogesb, std::string_view betrkoges)
{
    Sanierungsblatt blatt;
    blatt.ges = gesamtkostentext(sanko, betrkoges);

    const std::optional<float> s = singleAusText(sanko);
    const std::optional<float> kb = singleAusText(betrkogesb);
    const std::optional<float> kn = singleAusText(betrkoges);
    if (!s || !kb || !kn) {
        blatt.amo = undefiniertText();
        blatt.amohinweis = amortisationshinweis(blatt.amo);
        blatt.gesersp = undefiniertText();
        return blatt;
    }

    const double ersparnis = static_cast<double>(*kb) - *kn;
    // Without a saving per year there is no payback time: a renovation that
    // costs more to run never pays for itself, and a negative number of
    // years would be plainly wrong.
    blatt.amo = ersparnis <= 0 ? undefiniertText()
                               : formatEineStelle(static_cast<float>(*s / ersparnis * 25));
    const double ersparnisSingle = static_cast<float>(ersparnis);
    blatt.gesersp = formatGanzzahl(static_cast<float>(ersparnisSingle - *s));
    blatt.amohinweis = amortisationshinweis(blatt.amo);
    return blatt;
}

std::string zehntelDifferenz(std::string_view minuend, std::string_view subtrahend)
{
    const std::optional<double> a = zahlAusText(minuend);
    const std::optional<double> b = zahlAusText(subtrahend);
    if (!a || !b)
        return undefiniertText();
    // Each text has one decimal: ten times it is a whole number up to the
    // rounding of reading it.
    return formatZehntel(std::round(*a * 10) - std::round(*b * 10));
}

} // namespace grobrechner
