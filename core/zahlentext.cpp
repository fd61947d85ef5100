#include "zahlentext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace grobrechner {

namespace {

bool istZiffer(char c) { return c >= '0' && c <= '9'; }
bool istLeer(char c) { return c == ' ' || c == '\t'; }

// Turns a German number text into the form that std::from_chars reads
// ("-1200.5"), or gives nothing when the text is not a number.
std::optional<std::string> normalisiert(std::string_view text)
{
    while (!text.empty() && istLeer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && istLeer(text.back()))
        text.remove_suffix(1);

    std::string aus;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            aus += '-';
        ++i;
    }

    // Whole part: digits, optionally grouped by "." into groups of three.
    std::size_t ganzeZiffern = 0;
    std::size_t gruppe = 0;  // digits since the last "." (or the start)
    bool gruppiert = false;
    for (; i < text.size() && text[i] != ','; ++i) {
        const char c = text[i];
        if (istZiffer(c)) {
            aus += c;
            ++ganzeZiffern;
            ++gruppe;
        } else if (c == '.') {
            // The first group has one to three digits, every later one three.
            if (gruppe == 0 || (gruppiert ? gruppe != 3 : gruppe > 3))
                return std::nullopt;
            gruppiert = true;
            gruppe = 0;
        } else {
            return std::nullopt;
        }
    }
    if (gruppiert && gruppe != 3)
        return std::nullopt;

    std::size_t bruchZiffern = 0;
    if (i < text.size()) { // text[i] == ','
        ++i;
        aus += '.';
        for (; i < text.size(); ++i) {
            if (!istZiffer(text[i]))
                return std::nullopt;
            aus += text[i];
            ++bruchZiffern;
        }
    }
    if (ganzeZiffern == 0 && bruchZiffern == 0)
        return std::nullopt;
    if (ganzeZiffern == 0)
        aus.insert(aus.size() - bruchZiffern - 1, "0");
    return aus;
}

template <typename T>
std::optional<T> lies(std::string_view text)
{
    const auto norm = normalisiert(text);
    if (!norm)
        return std::nullopt;
    T wert{};
    const char* ende = norm->data() + norm->size();
    const auto [ptr, ec] = std::from_chars(norm->data(), ende, wert);
    if (ec != std::errc() || ptr != ende || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

// The digits of a non-negative whole number held in a double.
std::string ziffern(double ganz)
{
    char puffer[400];
    // Exact, as "%.0f" is (ganz has no fraction), without the detour through printf.
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, ganz, std::chars_format::fixed, 0);
    return ec == std::errc() ? std::string(puffer, ende) : std::string(undefiniert);
}

std::string gruppiert(const std::string& ziffernfolge)
{
    std::string aus;
    const std::size_t n = ziffernfolge.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            aus += '.';
        aus += ziffernfolge[i];
    }
    return aus;
}

} // namespace

std::optional<double> zahlAusText(std::string_view text) { return lies<double>(text); }
std::optional<float> singleAusText(std::string_view text) { return lies<float>(text); }

std::optional<std::string> ohneGruppen(std::string_view text)
{
    if (!normalisiert(text))
        return std::nullopt;
    std::string aus;
    for (char c : text)
        if (c != '.' && !istLeer(c))
            aus += c;
    return aus;
}

std::string formatGanzzahl(double wert)
{
    if (!std::isfinite(wert))
        return std::string(undefiniert);
    const double gerundet = std::round(wert); // halves away from zero
    if (gerundet == 0)
        return "0";
    const std::string text = gruppiert(ziffern(std::fabs(gerundet)));
    return gerundet < 0 ? "-" + text : text;
}

std::string formatEineStelle(double wert)
{
    if (!std::isfinite(wert))
        return std::string(undefiniert);
    // For a float widened to double the product is exact, so ties are real ties.
    const double zehntel = std::round(wert * 10);
    if (zehntel == 0)
        return "0";
    std::string z = ziffern(std::fabs(zehntel));
    if (z.size() < 2)
        z.insert(0, "0");
    const char letzte = z.back();
    z.pop_back();
    if (letzte != '0')
        z += std::string(",") + letzte;
    return zehntel < 0 ? "-" + z : z;
}

std::string formatZehntel(double zehntel)
{
    if (!std::isfinite(zehntel))
        return std::string(undefiniert);
    const double gerundet = std::round(zehntel); // halves away from zero
    std::string z = ziffern(std::fabs(gerundet));
    if (z.size() < 2)
        z.insert(0, "0");
    const char letzte = z.back();
    z.pop_back();
    const std::string text = gruppiert(z) + "," + letzte;
    return gerundet < 0 ? "-" + text : text;
}

std::string zahltext(float wert)
{
    if (!std::isfinite(wert))
        return std::string(undefiniert);
    if (wert == 0)
        return "0";
    char puffer[64];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed);
    if (ec != std::errc())
        return std::string(undefiniert);
    std::string text(puffer, ende);
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

std::string zahltextGruppiert(float wert)
{
    std::string text = zahltext(wert);
    if (text == undefiniert)
        return text;
    const std::size_t anfang = text.front() == '-' ? 1 : 0;
    const std::size_t ende = std::min(text.find(','), text.size());
    return text.substr(0, anfang) + gruppiert(text.substr(anfang, ende - anfang)) + text.substr(ende);
}

} // namespace grobrechner
