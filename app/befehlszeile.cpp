#include "echtedienste.h"
#include "befehlszeile.h"

#include "texte.h"
#include "berechnung.h"
#include "csvtext.h"
#include "preiseinstellungen.h"
#include "dateischreiben.h"
#include "ergebnisbericht.h"
#include "kalkulationsdatei.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

namespace grobrechner {

namespace {

const QString pdfOption = QStringLiteral("pdf");
const QString csvOption = QStringLiteral("csv");

void ausgeben(std::FILE* wohin, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), wohin);
    std::fflush(wohin);
}

// A message of a box as one line on stderr.
QString einzeilig(QString text)
{
    return QStringLiteral("grobrechner: ") + text.replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n');
}

int falscherAufruf(const QString& text)
{
    ausgeben(stderr,
             QStringLiteral("grobrechner: %1\nMit „grobrechner --help“ sehen Sie, was möglich ist.\n").arg(text));
    return 2;
}

} // namespace

bool ohneOberflaeche(int argc, char* argv[])
{
    bool csv = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const auto ist = [&](const char* option) {
            return std::strcmp(argv[i], option) == 0
                   || (std::strncmp(argv[i], option, std::strlen(option)) == 0 && argv[i][std::strlen(option)] == '=');
        };
        if (ist("--pdf"))
            return false;
        csv = csv || ist("--csv") || ist("-h") || ist("--help") || ist("--help-all") || ist("-v") || ist("--version");
    }
    return csv;
}

bool ohneFenster(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char* option : {"--pdf", "--csv", "-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0
                || (std::strncmp(argv[i], option, std::strlen(option)) == 0 && argv[i][std::strlen(option)] == '='))
                return true;
    return false;
}

bool bildschirmDa()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::variant<Auftrag, int> befehlszeileLesen(const QStringList& argumente, bool bildschirm)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(GROBRECHNER_VERSION));
    // Its own texts are German with Qt's German translation (qtAufDeutsch).
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Grobrechner für Straßenbeleuchtungsanlagen: Grobkosten für "
                                                    "Errichtung, Sanierung und Betrieb über 25 Jahre."));
    const QCommandLineOption hilfe = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption({pdfOption,
                      QStringLiteral("Schreibt das Ergebnisblatt der Kalkulation als PDF in <AUS.pdf> und endet, "
                                     "ohne ein Fenster zu zeigen."),
                      QStringLiteral("AUS.pdf")});
    parser.addOption({csvOption,
                      QStringLiteral("Schreibt das Ergebnisblatt der Kalkulation als CSV in <AUS.csv> und endet, "
                                     "ohne ein Fenster zu zeigen."),
                      QStringLiteral("AUS.csv")});
    parser.addPositionalArgument(QStringLiteral("DATEI.grob"),
                                 QStringLiteral("Eine gespeicherte Kalkulation, die geöffnet wird."),
                                 QStringLiteral("[DATEI.grob]"));
    if (!parser.parse(argumente))
        return falscherAufruf(parser.errorText());
    if (parser.isSet(hilfe)) {
        ausgeben(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        ausgeben(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
        return 0;
    }
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1)
        return falscherAufruf(QStringLiteral("Bitte geben Sie nur eine Kalkulation an."));
    Auftrag auftrag;
    auftrag.datei = dateien.value(0);
    if (parser.isSet(pdfOption) && parser.isSet(csvOption))
        return falscherAufruf(QStringLiteral("Bitte geben Sie nur eine von --pdf und --csv an."));
    for (const auto& [option, art] : {std::pair{pdfOption, Auftrag::Art::Pdf}, {csvOption, Auftrag::Art::Csv}}) {
        if (!parser.isSet(option))
            continue;
        if (auftrag.datei.isEmpty())
            return falscherAufruf(QStringLiteral("Zu --%1 gehört die Kalkulation, deren Ergebnisblatt geschrieben "
                                                 "wird: grobrechner --%1 AUS.%1 DATEI.grob")
                                      .arg(option));
        auftrag.art = art;
        auftrag.ausgabe = parser.value(option);
        if (auftrag.ausgabe.isEmpty())
            return falscherAufruf(QStringLiteral("Zu --%1 gehört der Name der Datei, die geschrieben wird: "
                                                 "grobrechner --%1 AUS.%1 DATEI.grob")
                                      .arg(option));
        if (gleicheDatei(auftrag.ausgabe, auftrag.datei))
            return falscherAufruf(QStringLiteral("„%1“ ist die Kalkulation selbst; sie würde mit dem "
                                                 "Ergebnisblatt überschrieben. Bitte geben Sie eine andere Datei an.")
                                      .arg(QDir::toNativeSeparators(auftrag.ausgabe)));
    }
    if (auftrag.art == Auftrag::Art::Fenster && !bildschirm) {
        ausgeben(stderr, einzeilig(QStringLiteral("Es ist kein Bildschirm zu finden (weder DISPLAY noch "
                                                  "WAYLAND_DISPLAY ist gesetzt). Ohne Bildschirm gehen nur --pdf, "
                                                  "--csv, --help und --version.")));
        return 1;
    }
    return auftrag;
}

int stapelAusfuehren(const Auftrag& auftrag)
{
    const QString datei = QDir::toNativeSeparators(auftrag.datei);
    const Gelesen gelesen = kalkulationLesen(auftrag.datei);
    if (!gelesen.kalkulation) {
        ausgeben(stderr, einzeilig(texte::nichtLesbarTitel + QStringLiteral(": ")
                                   + texte::nichtLesbar.arg(datei, gelesen.fehler)));
        return 1;
    }
    const Kalkulation& k = *gelesen.kalkulation;
    if (nummer(k.schritt) < nummer(Schritt::Betriebseingabe)) {
        ausgeben(stderr, QStringLiteral("grobrechner: „%1“ wurde vor den Betriebskosten gespeichert; ein "
                                        "Ergebnisblatt gibt es erst, wenn sie berechnet sind.\n")
                             .arg(datei));
        return 1;
    }

    const Kalkulation blatt{k.pfad, Schritt::Ergebnisblatt, k.daten};
    // The figures of the file's basis, or of the settings where it brought none.
    const Berechnungsgrundlage grundlage =
        gelesen.grundlage.value_or(Berechnungsgrundlage{preiseinstellungen::lesen()});
    // Computed without a window; the report needs fonts only.
    const Ergebnis ergebnis = berechnen(blatt, grundlage);
    const QString fehler =
        auftrag.art == Auftrag::Art::Pdf
            ? ergebnisberichtSchreiben(auftrag.ausgabe, ergebnis.zustand, Schritt::Ergebnisblatt, echteDienste().jetzt())
            : dateiSchreiben(auftrag.ausgabe, csvText(blattzeilen(ergebnis.blatt(Schritt::Ergebnisblatt))));
    if (fehler.isEmpty())
        return 0;
    ausgeben(stderr, einzeilig(texte::nichtGespeichert.arg(QDir::toNativeSeparators(auftrag.ausgabe), fehler)));
    return 1;
}

} // namespace grobrechner
