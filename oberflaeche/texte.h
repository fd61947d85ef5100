#pragma once

#include "programm.h"

#include <QString>
#include <QUrl>

// Texts that stand on more than one screen.
namespace grobrechner::texte {

inline const QString programmname = QString::fromUtf8(grobrechner::programmname.data(), grobrechner::programmname.size());

inline const QString hintergrund = QStringLiteral(
    "Dieser Grobrechner dient zur Grobabschätzung der Errichtungs- bzw. Sanierungskosten von Landes- bzw. "
    "Gemeindestraßen!");
inline const QString homepageHinweis = QStringLiteral("Öffnet die Homepage der Lumenstelle.");
// The hint as it always read, and the key that opens the info screen too.
inline const QString infoHinweis = QStringLiteral("Informationen zum Grobrechner. (F1)");
inline const QString hauptmenueHinweis = QStringLiteral("Zurück zum Hauptmenü.");
inline const QString druckenHinweis = QStringLiteral("Druckt das aktuelle Formular.");

inline const QUrl homepage = QUrl(QStringLiteral("https://www.lumenstelle.example/"));

// The maker's intellectual-property notice.
inline const QString eigentumZeichen = QStringLiteral("© Lumenstelle");
inline const QString eigentumHinweis = QStringLiteral("Schutzvermerk: geistiges Eigentum der Lumenstelle.");
inline const QString eigentumTitel = QStringLiteral("Schutzvermerk");
inline const QString eigentumText = QStringLiteral(
    "Der Grobrechner für Straßenbeleuchtungsanlagen ist geistiges Eigentum der Lumenstelle und gesetzlich "
    "geschützt.\n"
    "Nachbau, Weitergabe an Dritte und jede missbräuchliche Verwendung der Rechte der Lumenstelle sind nicht "
    "gestattet.\n"
    "© Lumenstelle");

// The data basis of every figure, as the notes and the info screen state it.
inline const QString datenstand = QStringLiteral("Stand: April 2009");

// Files.
inline const QString nichtGespeichertTitel = QStringLiteral("Datei nicht gespeichert");
inline const QString nichtGespeichert = QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.\n%2");
inline const QString gespeichert = QStringLiteral("Gespeichert als „%1“.");
inline const QString istKalkulation = QStringLiteral(
    "Das ist die Datei der Kalkulation; sie würde überschrieben. Bitte wählen Sie einen anderen Namen.");
inline const QString nichtLesbarTitel = QStringLiteral("Datei nicht lesbar");
inline const QString nichtLesbar = QStringLiteral("Die Datei „%1“ lässt sich nicht öffnen:\n%2");

// The print routine.
inline const QString druckenTitel = QStringLiteral("Drucken");
inline const QString druckenFrage = QStringLiteral("Soll das Formular mit Ihrem Standarddrucker ausgedruckt werden?");
inline const QString druckfehlerTitel = QStringLiteral("Druckfehler");

} // namespace grobrechner::texte
