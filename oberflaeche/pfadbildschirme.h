#pragma once

#include "kalkulationsdaten.h"

#include <QString>

#include <vector>

namespace grobrechner {

// What sets one of the fifteen path screens apart in its shared parts: where it
// stands, its title, the name of its intellectual-property label, its print
// caption and the caption of its forward button.
struct Pfadbildschirm {
    QString name;
    Pfad pfad;
    int schritt; // 1 input, 2 construction or renovation result, 3 operating input,
                 // 4 operating result, 5 overall result sheet
    QString titel;
    QString eigentumLabel;
    QString druckzeile;      // the status-bar text on the printout; result screens only
    QString vorwaerts;       // caption of the forward button; none on step 5
    QString vorwaertsHinweis;
    QString fenstertitel;
    QString hintergrundHinweis;
    bool vorwaertsHinweisBeiDruck = false; // the hint appears on a mouse press only
    bool druckHinweisBeiDruck = false;

    bool istErgebnis() const { return schritt % 2 == 0 || schritt == 5; }
};

const std::vector<Pfadbildschirm>& pfadbildschirme();
const Pfadbildschirm& pfadbildschirm(const QString& name);
const Pfadbildschirm& pfadbildschirm(Pfad pfad, int schritt);

} // namespace grobrechner
