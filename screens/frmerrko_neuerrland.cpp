#include "frmerrko_neuerrland.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmerrko_neuerrland::frmerrko_neuerrland(Umgebung& umgebung)
    : Ergebnisseite(pfadbildschirm(Pfad::Landesstrasse, Schritt::Kosten), umgebung)
{}

} // namespace grobrechner
