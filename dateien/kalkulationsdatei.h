#pragma once

#include "kalkulation.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A calculation as a file keeps it (extension .grob, MIME type
// application/x-grobrechner): JSON in UTF-8 with the path, the screen it was
// saved from and the inputs of the path up to that screen — never results,
// which are always computed anew.
//
//   {
//       "format": "Grobrechner-Kalkulation",
//       "formatversion": 1,
//       "pfad": "gemeindestrasse",            (landesstrasse, gemeindestrasse, sanierung)
//       "schritt": 5,                         (1 to 5)
//       "eingaben": { "bezeichnung": "Ahornweg", "strlaenge": 1000, "lampe": "Option1", … }
//   }
//
// "eingaben" holds exactly the inputs of the path's step 1 and, from step 3
// on, of its step 3 (eingabefelder.h), named as in the record. Numbers are
// JSON numbers, lamps the names of their options, choices true/false or a
// keyword ("technisch"/"dekorativ", "daemmerungsschalter"/"astronomisch").
// Reading applies the limits of the input screens and guesses nothing: a file
// with one input missing, out of range or unknown is refused as a whole.

namespace grobrechner {

// The format version this program writes; it reads this one and older ones.
inline constexpr int kalkulationsformat = 1;
inline constexpr const char* kalkulationsendung = "grob";
inline constexpr const char* kalkulationsMimeTyp = "application/x-grobrechner";

QByteArray kalkulationAlsJson(const Kalkulation& kalkulation);

// A calculation read, or the first problem found, in plain German words.
struct Gelesen {
    std::optional<Kalkulation> kalkulation;
    QString fehler;
};
Gelesen kalkulationAusJson(const QByteArray& inhalt);

// As kalkulationAusJson, from a file: one that cannot be read, or that is far
// larger than any calculation, is a problem of its own.
Gelesen kalkulationLesen(const QString& dateiname);

// Writes atomically (dateischreiben.h): empty on success, otherwise what went wrong.
QString kalkulationSpeichern(const QString& dateiname, const Kalkulation& kalkulation);

} // namespace grobrechner
