// Measures the Grobrechner against a Qt Widgets program that only shows one
// window, side by side on this machine:
//   - time from process start to the main menu on the screen, and its ratio;
//   - peak resident memory of that process, and its ratio;
//   - the median time from a click on a forward button to the next screen
//     shown, over all forward steps of the three paths;
//   - the CPU time used while the program idles 5 s with all five screens of
//     a path loaded;
//   - saving and reading a calculation, writing the renovation sheet as PDF
//     and as CSV, and `grobrechner --pdf` as a whole process against the
//     program's start-up.
// Usage: grobrechner_messung <grobrechner> <minimalfenster> [starts]
#include "echtedienste.h"
#include "anwendung.h"
#include "befehlszeile.h"
#include "beispieleingaben.h"
#include "dateischreiben.h"
#include "kalkulationsdatei.h"
#include "messhilfen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace grobrechner;
using namespace grobrechner::messung;

namespace {

double cpuSekunden()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: %s <grobrechner> <minimalfenster> [starts]\n", argv[0]);
        return 2;
    }
    const int starts = argc > 3 ? std::atoi(argv[3]) : 15;
    setenv("GROBRECHNER_STARTMESSUNG", "1", 1);
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // 1 and 2: start-up and memory, the two programs taking turns.
    // The yardstick once as it is and once with a line of text: every window
    // with text loads the font database, which is most of the difference.
    std::vector<double> zeitG, zeitM, zeitT, speicherG, speicherM, speicherT;
    for (int i = 0; i < starts; ++i) {
        const Lauf g = starten(argv[1], {});
        const Lauf m = starten(argv[2], {});
        const Lauf t = starten(argv[2], {"--mit-text"});
        zeitG.push_back(g.ersteZeile);
        zeitM.push_back(m.ersteZeile);
        zeitT.push_back(t.ersteZeile);
        speicherG.push_back(double(g.spitzeKb));
        speicherM.push_back(double(m.spitzeKb));
        speicherT.push_back(double(t.spitzeKb));
    }
    unsetenv("GROBRECHNER_STARTMESSUNG");

    // 3 and 4: in this process, with the real screens.
    QApplication app(argc, argv);
    Stumm stumm;
    Dienste dienste = echteDienste();
    dienste.meldungen = &stumm;
    dienste.homepageOeffnen = [](const QUrl&) {};
    Anwendung anwendung(dienste);
    anwendung.hauptmenue()->show();
    QCoreApplication::processEvents();

    std::vector<double> wechsel;
    for (Pfad pfad : allePfade) {
        anwendung.folge().starte(pfad);
        QCoreApplication::processEvents();
        for (Schritt k : {Schritt::Eingabe, Schritt::Kosten, Schritt::Betriebseingabe, Schritt::Betrieb}) {
            auto* schritt = qobject_cast<Pfadformular*>(anwendung.folge().schritt(k));
            beispieleingabenMachen(*schritt);
            QElapsedTimer uhr;
            uhr.start();
            schritt->vorwaertsknopf()->click();
            QCoreApplication::processEvents(); // the new screen is laid out and painted
            wechsel.push_back(double(uhr.nsecsElapsed()) / 1e6);
            if (!anwendung.folge().schritt(*danach(k)) || !anwendung.folge().schritt(*danach(k))->isVisible()) {
                std::fprintf(stderr, "Schritt %d führte nicht weiter\n", nummer(k));
                return 1;
            }
        }
        if (pfad != Pfad::Sanierung)
            qobject_cast<Pfadformular*>(anwendung.folge().schritt(Schritt::Ergebnisblatt))->hauptmenueknopf()->click();
        QCoreApplication::processEvents();
    }

    // 5: files, with the renovation's five screens loaded.
    const auto zeitVon = [](int mal, const auto& tun) {
        std::vector<double> zeiten;
        for (int i = 0; i < mal; ++i) {
            QElapsedTimer uhr;
            uhr.start();
            tun();
            zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        }
        return median(zeiten);
    };
    QTemporaryDir ordner;
    const QString grob = ordner.filePath(QStringLiteral("sanierung.grob"));
    const Kalkulation sanierung{Pfad::Sanierung, Schritt::Ergebnisblatt, anwendung.daten()};
    auto* blatt = qobject_cast<Pfadformular*>(anwendung.folge().schritt(Schritt::Ergebnisblatt));
    const double speichern = zeitVon(50, [&] { kalkulationSpeichern(grob, sanierung, {}); });
    // The yardstick: QSaveFile waits until the disk holds the file. In memory
    // (tmpfs) there is nothing to wait for, which leaves the program's own part.
    const double platte = zeitVon(50, [&] { dateiSchreiben(ordner.filePath(QStringLiteral("leer")), QByteArray()); });
    QTemporaryDir speicher(QStringLiteral("/dev/shm/grobrechner-XXXXXX"));
    const QString imSpeicher = speicher.isValid() ? speicher.path() : ordner.path();
    const double speichernOhnePlatte =
        zeitVon(50, [&] { kalkulationSpeichern(imSpeicher + QStringLiteral("/s.grob"), sanierung, {}); });
    const double lesen = zeitVon(50, [&] { kalkulationLesen(grob); });
    const double pdf = zeitVon(12, [&] { blatt->pdfSchreiben(ordner.filePath(QStringLiteral("blatt.pdf"))); });
    const double csv = zeitVon(50, [&] { blatt->csvSchreiben(ordner.filePath(QStringLiteral("blatt.csv"))); });
    const double csvOhnePlatte = zeitVon(50, [&] { blatt->csvSchreiben(imSpeicher + QStringLiteral("/blatt.csv")); });
    std::vector<double> stapel;
    const QByteArray grobPfad = grob.toLocal8Bit(), pdfPfad = ordner.filePath(QStringLiteral("aus.pdf")).toLocal8Bit();
    for (int i = 0; i < starts; ++i)
        stapel.push_back(starten(argv[1], {"--pdf", pdfPfad, grobPfad}).millisekunden);
    // The CSV of the command line: the file read, the calculation computed and
    // its sheet written, once in this process and once as a process of its own.
    const Auftrag csvAuftrag{Auftrag::Art::Csv, grob, ordner.filePath(QStringLiteral("aus.csv"))};
    const Auftrag csvInDenSpeicher{Auftrag::Art::Csv, grob, imSpeicher + QStringLiteral("/aus.csv")};
    if (stapelAusfuehren(csvAuftrag) != 0 || stapelAusfuehren(csvInDenSpeicher) != 0)
        return 1; // the reason is on stderr
    const double csvBefehl = zeitVon(50, [&] { stapelAusfuehren(csvAuftrag); });
    const double csvBefehlOhnePlatte = zeitVon(50, [&] { stapelAusfuehren(csvInDenSpeicher); });
    std::vector<double> csvStapel;
    const QByteArray csvPfad = csvAuftrag.ausgabe.toLocal8Bit();
    for (int i = 0; i < starts; ++i)
        csvStapel.push_back(starten(argv[1], {"--csv", csvPfad, grobPfad}).millisekunden);

    // All five renovation screens are loaded now; the clocks of all of them tick.
    const double cpuVorher = cpuSekunden();
    QElapsedTimer wand;
    wand.start();
    QEventLoop schleife;
    QTimer::singleShot(5000, &schleife, &QEventLoop::quit);
    schleife.exec();
    const double leerlauf = (cpuSekunden() - cpuVorher) / (double(wand.elapsed()) / 1000.0) * 100.0;

    const double tG = median(zeitG), tM = median(zeitM), tT = median(zeitT);
    const double sG = median(speicherG) / 1024, sM = median(speicherM) / 1024, sT = median(speicherT) / 1024;
    std::printf("| Messung | Grobrechner | Minimalfenster | Verhältnis | Minimalfenster mit Text | Verhältnis | Ziel |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    std::printf("| Start bis Hauptmenü (Median, %d Starts) | %.1f ms | %.1f ms | %.2f | %.1f ms | %.2f | ≤ 1,2 gegen „mit Text“ |\n", starts,
                tG, tM, tG / tM, tT, tG / tT);
    std::printf("| Spitzenspeicher (Median) | %.1f MiB | %.1f MiB | %.2f | %.1f MiB | %.2f | ≤ 1,3 |\n", sG, sM, sG / sM,
                sT, sG / sT);
    std::printf("| Bildschirmwechsel (Median von %zu) | %.2f ms | | | | | < 10 ms |\n", wechsel.size(), median(wechsel));
    std::printf("| CPU im Leerlauf, 5 Bildschirme, 5 s | %.3f %% | | | | | < 0,5 %% |\n", leerlauf);

    // Opening a file shows its screen: the calculation read, its five screens made and the sheet shown.
    const double oeffnen = zeitVon(12, [&] {
        anwendung.oeffnen(grob);
        QCoreApplication::processEvents();
    });
    std::printf("\n| Datei | Zeit | Ziel |\n|---|---|---|\n");
    std::printf("| Kalkulation speichern (Median von 50) | %.2f ms | < 5 ms |\n", speichern);
    std::printf("| … in den Arbeitsspeicher (tmpfs), ohne Warten auf die Platte | %.2f ms | |\n", speichernOhnePlatte);
    std::printf("| zum Vergleich: leere Datei sicher auf die Platte schreiben (QSaveFile) | %.2f ms | |\n", platte);
    std::printf("| Kalkulation lesen und prüfen (Median von 50) | %.2f ms | < 5 ms |\n", lesen);
    std::printf("| Kalkulation öffnen bis zum gezeigten Ergebnisblatt, fünf Bildschirme (Median von 12) | %.1f ms | |\n",
                oeffnen);
    std::printf("| PDF des Ergebnisblatts der Sanierung (Median von 12) | %.1f ms | < 150 ms |\n", pdf);
    std::printf("| CSV des Ergebnisblatts der Sanierung (Median von 50) | %.2f ms | < 5 ms |\n", csv);
    std::printf("| … in den Arbeitsspeicher (tmpfs) | %.2f ms | |\n", csvOhnePlatte);
    std::printf("| `grobrechner --pdf` als ganzer Prozess (Median, %d Läufe) | %.1f ms = %.2f × Start | ≤ 3 × Start |\n",
                starts, median(stapel), median(stapel) / tG);
    std::printf("| `grobrechner --csv`: Datei lesen, berechnen, CSV schreiben (Median von 50) | %.2f ms | < 10 ms |\n",
                csvBefehl);
    std::printf("| … in den Arbeitsspeicher (tmpfs) | %.2f ms | |\n", csvBefehlOhnePlatte);
    std::printf("| `grobrechner --csv` als ganzer Prozess (Median, %d Läufe) | %.1f ms = %.2f × Start | |\n", starts,
                median(csvStapel), median(csvStapel) / tG);
    return 0;
}
