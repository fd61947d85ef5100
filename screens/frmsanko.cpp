#include "frmsanko.h"

#include "pfadbildschirme.h"

namespace grobrechner {

frmsanko::frmsanko(Umgebung& umgebung)
    : Ergebnisseite(pfadbildschirm(Pfad::Sanierung, Schritt::Kosten), umgebung)
{}

} // namespace grobrechner
