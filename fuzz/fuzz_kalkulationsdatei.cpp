// Calculation files of any content: reading never crashes, says either what
// it read or why not, and what it accepts it writes back to the same
// calculation — every input within the limits of its field. What the strict
// check takes for JSON in UTF-8, Qt's reader takes too.
#include "jsonpruefung.h"
#include "kalkulationsdatei.h"

#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>

using namespace grobrechner;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const Jsonbefund befund = jsonPruefen(inhalt);
    QJsonParseError qt{};
    QJsonDocument::fromJson(inhalt, &qt);
    const bool utf8 = QString::fromUtf8(inhalt).toUtf8() == inhalt; // the reader checks that first
    if (utf8 && befund.gut && qt.error != QJsonParseError::NoError
        && (inhalt.startsWith('{') || inhalt.startsWith('[')))
        std::abort();
    const Gelesen gelesen = kalkulationAusJson(inhalt);
    if (gelesen.kalkulation.has_value() == !gelesen.fehler.isEmpty())
        std::abort();
    if (!gelesen.kalkulation)
        return 0;
    // Written again (with the basis it brought, or the program's own), it reads back the same.
    const Berechnungsgrundlage grundlage = gelesen.grundlage.value_or(Berechnungsgrundlage{});
    const Gelesen wieder = kalkulationAusJson(kalkulationAlsJson(*gelesen.kalkulation, grundlage));
    if (!wieder.kalkulation || !(*wieder.kalkulation == *gelesen.kalkulation) || !wieder.grundlage
        || !(wieder.grundlage->preise == grundlage.preise))
        std::abort();
    return 0;
}
