#include "frmerrko_neuerrgde.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmerrko_neuerrgde::frmerrko_neuerrgde(Umgebung& umgebung)
    : Ergebnisseite(pfadbildschirm(Pfad::Gemeindestrasse, Schritt::Kosten), umgebung)
{}

} // namespace grobrechner
