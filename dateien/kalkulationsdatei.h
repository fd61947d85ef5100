#pragma once

#include "kalkulation.h"
#include "preise.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A calculation as a file keeps it (extension .grob, MIME type
// application/x-grobrechner): JSON in UTF-8 with the path, the screen it was
// saved from, the inputs of the path up to that screen and the basis its
// figures were computed with — never results, which are always computed anew,
// to the same figures wherever the file is opened.
//
//   {
//       "format": "Grobrechner-Kalkulation",
//       "formatversion": 2,
//       "pfad": "gemeindestrasse",            (landesstrasse, gemeindestrasse, sanierung)
//       "schritt": 5,                         (1 to 5)
//       "eingaben": { "bezeichnung": "Ahornweg", "strlaenge": 1000, "lampe": "LED 30 W", … },
//       "grundlage": { "preisindex": 100, "co2faktor": 363, "zins": 2, "steigerung": 2, "foerderquote": 0,
//                      "preise": { "errichtung/verteiler": 8200 } }
//   }
//
// "eingaben" holds exactly the inputs of the path's step 1 and, from step 3
// on, of its step 3 (eingabefelder.h), named as in the record. Numbers are
// JSON numbers, lamps their keys (lampenkatalog.h), choices true/false or a
// keyword ("technisch"/"dekorativ", "daemmerungsschalter"/"astronomisch").
// "grundlage" holds the price index, the CO₂ factor, the interest rate, the
// yearly rise of the electricity price and the grant's share (in %), and every
// price that differs from the program's own (lamps as "lampen/<key>").
//
// Format 1 named lamps by their options ("Option16") and kept no basis: its
// figures follow the settings of whoever opens it. It is still read.
//
// Reading applies the limits of the input screens and guesses nothing: a file
// with one input missing, out of range or unknown is refused as a whole.

namespace grobrechner {

// The format version this program writes; it reads this one and older ones.
inline constexpr int kalkulationsformat = 2;
inline constexpr const char* kalkulationsendung = "grob";
inline constexpr const char* kalkulationsMimeTyp = "application/x-grobrechner";

QByteArray kalkulationAlsJson(const Kalkulation& kalkulation, const Berechnungsgrundlage& grundlage);

// A calculation read, or the first problem found, in plain German words.
struct Gelesen {
    std::optional<Kalkulation> kalkulation;
    // The basis its figures were computed with (marked as from the file);
    // none in a file of format 1, whose figures follow the settings.
    std::optional<Berechnungsgrundlage> grundlage;
    QString fehler;
};
Gelesen kalkulationAusJson(const QByteArray& inhalt);

// As kalkulationAusJson, from a file: one that cannot be read, or that is far
// larger than any calculation, is a problem of its own.
Gelesen kalkulationLesen(const QString& dateiname);

// Writes atomically (dateischreiben.h): empty on success, otherwise what went wrong.
QString kalkulationSpeichern(const QString& dateiname, const Kalkulation& kalkulation,
                             const Berechnungsgrundlage& grundlage);

} // namespace grobrechner
