// The German number parser: no text crashes it, every accepted text is a
// finite number, and a whole number shown with "#,##0" reads back as itself,
// as do tenths shown with "#,##0.0".
#include "zahlentext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace grobrechner;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const auto wert = zahlAusText(text);
    const auto single = singleAusText(text);
    if (single && !wert)
        std::abort(); // a float reading needs a double reading
    if (!wert)
        return 0;
    if (!std::isfinite(*wert))
        std::abort();
    if (single && !std::isfinite(*single))
        std::abort();

    const double ganz = std::round(*wert);
    const std::string gezeigt = formatGanzzahl(*wert);
    const auto zurueck = zahlAusText(gezeigt);
    if (!zurueck || *zurueck != (ganz == 0 ? 0.0 : ganz))
        std::abort();
    // Read as tenths: both sides are the double nearest the same decimal.
    const auto zehntel = zahlAusText(formatZehntel(*wert));
    if (!zehntel || *zehntel != (ganz == 0 ? 0.0 : ganz / 10))
        std::abort();
    if (single) {
        const auto einfach = singleAusText(zahltext(*single));
        if (!einfach || *einfach != *single)
            std::abort();
        const auto gruppiert = singleAusText(zahltextGruppiert(*single));
        if (!gruppiert || *gruppiert != *single)
            std::abort();
        (void)formatEineStelle(*single);
    }
    return 0;
}
