// Renders every screen of the program into a PNG file, offscreen, so that
// layouts can be looked at without a display:
//   bildschirmfotos [--bildschirm 1366x768] [--schrift 10.5] [folder]
// (default folder: ./bildschirmfotos). --bildschirm gives the offscreen
// platform a screen of that size, so the windows are placed and sized as on
// such a screen; --schrift sets the application font's size in points, as a
// desktop's font setting does. QT_SCALE_FACTOR=2 shows the screens at 200 %.
#include "echtedienste.h"
#include "anwendung.h"
#include "beispieleingaben.h"
#include "frminfo.h"
#include "probebildschirme.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace grobrechner;

namespace {

// Message boxes answer themselves: notes are confirmed, questions get No.
class StilleMeldungen final : public Meldungen {
public:
    bool information(QWidget*, const QString&, const QString&) override { return true; }
    bool frage(QWidget*, const QString&, const QString&) override { return false; }
};

} // namespace

int main(int argc, char* argv[])
{
    // The options decide the platform, so they are read before the application exists.
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption bildschirm(QStringLiteral("bildschirm"),
                                        QStringLiteral("Ein Bildschirm dieser Größe, z. B. 1366x768."),
                                        QStringLiteral("BREITExHÖHE"));
    const QCommandLineOption schrift(QStringLiteral("schrift"), QStringLiteral("Schriftgröße in Punkt, z. B. 10.5."),
                                     QStringLiteral("PUNKT"));
    parser.addOptions({bildschirm, schrift});
    parser.addPositionalArgument(QStringLiteral("ordner"), QStringLiteral("Wohin die Bilder kommen."));
    const auto abbrechen = [](const QString& meldung) {
        std::fprintf(stderr, "%s\n", qPrintable(meldung));
        return 2;
    };
    if (!parser.parse(argumente))
        return abbrechen(parser.errorText());

    QTemporaryDir plattform;
    if (parser.isSet(bildschirm)) {
        const QRegularExpressionMatch masse =
            QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(parser.value(bildschirm));
        const QSize groesse(masse.captured(1).toInt(), masse.captured(2).toInt());
        if (!masse.hasMatch() || groesse.isEmpty())
            return abbrechen(QStringLiteral("--bildschirm erwartet BREITExHÖHE, z. B. 1366x768."));
        if (!probebildschirmeEinrichten({groesse}, plattform.path()))
            return abbrechen(QStringLiteral("Die Bildschirmvorgabe kann nicht geschrieben werden."));
    } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (parser.isSet(schrift)) {
        bool zahl = false;
        const double punkt = parser.value(schrift).toDouble(&zahl);
        if (!zahl || punkt <= 0)
            return abbrechen(QStringLiteral("--schrift erwartet eine Punktgröße, z. B. 10.5."));
        QFont f = QApplication::font();
        f.setPointSizeF(punkt);
        QApplication::setFont(f);
    }
    const QString ziel = parser.positionalArguments().value(0, QStringLiteral("bildschirmfotos"));
    QDir().mkpath(ziel);

    StilleMeldungen meldungen;
    Dienste dienste = echteDienste();
    dienste.meldungen = &meldungen;
    dienste.jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)); };
    dienste.homepageOeffnen = [](const QUrl&) {};
    Anwendung anwendung(dienste);

    QTextStream aus(stdout);
    const auto foto = [&](QWidget& w) {
        w.show();
        // Twice: a scroll bar that appears on the first pass asks for room on the second.
        QApplication::processEvents();
        QApplication::processEvents();
        const QString datei = QDir(ziel).filePath(w.objectName() + QStringLiteral(".png"));
        w.grab().save(datei);
        aus << datei << '\n';
    };

    frmgrsbl& menue = *anwendung.hauptmenue();
    foto(menue);
    menue.rahmen().infoOeffnen();
    if (auto* info = qobject_cast<frminfo*>(QApplication::activeModalWidget())) {
        foto(*info);
        info->close();
    }
    menue.findChild<QPushButton*>(QStringLiteral("cmdpreise"))->click();
    if (frmpreise* preise = anwendung.preisfenster()) {
        foto(*preise);
        preise->close();
    }

    const char* pfadknoepfe[] = {"Command1", "Command3", "Command2"};
    for (const char* knopf : pfadknoepfe) {
        menue.findChild<QPushButton*>(QString::fromUtf8(knopf))->click();
        for (Schritt k : alleSchritte) {
            auto* schritt = qobject_cast<Pfadformular*>(anwendung.folge().schritt(k));
            if (!schritt || !schritt->isVisible())
                break;
            beispieleingabenMachen(*schritt); // so the next screen has figures to show
            foto(*schritt);
            if (schritt->vorwaertsknopf())
                schritt->vorwaertsknopf()->click();
        }
        if (auto* letzter = qobject_cast<Pfadformular*>(anwendung.folge().schritt(Schritt::Ergebnisblatt)))
            letzter->hauptmenueknopf()->click();
    }
    return 0;
}
