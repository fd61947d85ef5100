#pragma once

#include "pfad.h"

#include <QString>

namespace grobrechner {

class Pfadformular;
struct Umgebung;

// What sets one of the fifteen path screens apart in its shared parts: where it
// stands, its name and title, the name of its intellectual-property label, its
// print caption and the caption of its forward button — and how it is made.
struct Pfadbildschirm {
    Pfad pfad;
    Schritt schritt;
    QString name;
    QString titel;
    QString eigentumLabel;
    QString druckzeile;      // the status-bar text on the printout; result screens only
    QString vorwaerts;       // caption of the forward button; none on the sheet
    QString vorwaertsHinweis;
    QString fenstertitel;
    QString hintergrundHinweis;
    bool vorwaertsHinweisBeiDruck = false; // the hint appears on a mouse press only
    bool druckHinweisBeiDruck = false;
    Pfadformular* (*erzeugen)(Umgebung& umgebung) = nullptr;

    bool istErgebnis() const { return grobrechner::istErgebnis(schritt); }
};

} // namespace grobrechner
