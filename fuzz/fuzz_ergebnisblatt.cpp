// The figures the result sheets work out from displayed texts, fed with
// arbitrary texts: never a crash, never "nan" or "inf", never an empty figure.
#include "ergebnisblatt.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace grobrechner;

namespace {
void pruefen(const std::string& figur)
{
    if (figur.empty() || figur.find("nan") != std::string::npos || figur.find("inf") != std::string::npos)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzedDataProvider f(daten, groesse);
    const std::string a = f.ConsumeRandomLengthString(24);
    const std::string b = f.ConsumeRandomLengthString(24);
    const std::string c = f.ConsumeRemainingBytesAsString();
    pruefen(abweichungstext(a, b));
    pruefen(gesamtkostentext(a, b));
    const Sanierungsblatt s = sanierungsblatt(a, b, c);
    pruefen(s.ges);
    pruefen(s.amo);
    pruefen(s.gesersp);
    pruefen(zehntelDifferenz(a, b));
    return 0;
}
