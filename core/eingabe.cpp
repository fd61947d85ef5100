#include "eingabe.h"

#include "zahlentext.h"

namespace grobrechner {

std::optional<float> eingabeLesen(std::string_view text, Untergrenze grenze)
{
    const std::optional<double> wert = zahlAusText(text);
    if (!wert)
        return std::nullopt;
    if (grenze == Untergrenze::UeberNull ? !(*wert > 0) : !(*wert >= 0))
        return std::nullopt;
    return singleAusText(text);
}

} // namespace grobrechner
