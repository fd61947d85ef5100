// Measures street lists of 10 000 and 20 000 lines, made of the example list's
// lines over and over:
//   - `grobrechner --liste … --csv …` as a whole process, and its peak memory
//     against a run on the example list itself;
//   - the list window: from asking for the list to the table shown, the memory
//     it keeps per line, and sorting by each column.
// Usage: listenmessung <grobrechner> [runs]
#include "anwendung.h"
#include "echtedienste.h"
#include "frmliste.h"
#include "messhilfen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <tuple>
#include <vector>

using namespace grobrechner;
using namespace grobrechner::messung;

namespace {

long speicherJetztKb()
{
    std::ifstream statm("/proc/self/statm");
    long gesamt = 0, resident = 0;
    statm >> gesamt >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The example's header and `zeilen` lines of it, over and over.
QByteArray liste(int zeilen)
{
    QFile f(QStringLiteral(GROBRECHNER_BEISPIELLISTE));
    if (!f.open(QIODevice::ReadOnly))
        std::exit(2);
    const QList<QByteArray> alle = f.readAll().split('\n');
    QList<QByteArray> strassen;
    for (qsizetype i = 1; i < alle.size(); ++i)
        if (!alle[i].trimmed().isEmpty())
            strassen << alle[i];
    QByteArray text = alle[0] + '\n';
    for (int i = 0; i < zeilen; ++i)
        text += strassen[i % strassen.size()] + '\n';
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: %s <grobrechner> [Läufe]\n", argv[0]);
        return 2;
    }
    const int laeufe = argc > 2 ? std::atoi(argv[2]) : 7;
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir ordner;
    const auto schreiben = [&](const QString& name, const QByteArray& inhalt) {
        QFile f(ordner.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
            std::exit(2);
        return f.fileName();
    };
    const QString zehntausend = schreiben(QStringLiteral("10000.csv"), liste(10000));
    const QString zwanzigtausend = schreiben(QStringLiteral("20000.csv"), liste(20000));
    const QByteArray aus = ordner.filePath(QStringLiteral("aus.csv")).toLocal8Bit();

    // 1: the command line, as a whole process. It ends with 3, and reports
    // on stderr, for the example's deliberate error in every copy of its lines.
    Startweise weise;
    weise.erfolg = {0, 3};
    weise.fehlerausgabeVerwerfen = true;
    const auto befehlszeile = [&](const QString& datei) {
        std::vector<double> zeiten, cpu, speicher;
        for (int i = 0; i < laeufe; ++i) {
            const Lauf l = starten(argv[1], {"--liste", datei.toLocal8Bit(), "--csv", aus}, weise);
            zeiten.push_back(l.millisekunden);
            cpu.push_back(l.cpuMillisekunden);
            speicher.push_back(double(l.spitzeKb));
        }
        return std::tuple{median(zeiten), median(cpu), median(speicher)};
    };
    const auto [tBeispiel, cBeispiel, sBeispiel] = befehlszeile(QStringLiteral(GROBRECHNER_BEISPIELLISTE));
    const auto [t10, c10, s10] = befehlszeile(zehntausend);
    const auto [t20, c20, s20] = befehlszeile(zwanzigtausend);

    // 2: the window, with the real services but silent boxes.
    QApplication app(argc, argv);
    Stumm stumm;
    Dienste dienste = echteDienste();
    dienste.meldungen = &stumm;
    dienste.homepageOeffnen = [](const QUrl&) {};
    Anwendung anwendung(dienste);
    anwendung.hauptmenue()->show();
    anwendung.hauptmenue()->findChild<QPushButton*>(QStringLiteral("cmdliste"))->click();
    frmliste* fenster = anwendung.listenfenster();
    QCoreApplication::processEvents();
    const auto zeigen = [&](const QString& datei) {
        QElapsedTimer uhr;
        uhr.start();
        fenster->laden(datei);
        while (fenster->laedt())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents(); // laid out and painted
        return double(uhr.nsecsElapsed()) / 1e6;
    };
    zeigen(QStringLiteral(GROBRECHNER_BEISPIELLISTE));
    const long vorher = speicherJetztKb();
    std::vector<double> anzeigen{zeigen(zehntausend)};
    const long mit10 = speicherJetztKb();
    for (int i = 1; i < std::max(3, laeufe / 2); ++i)
        anzeigen.push_back(zeigen(zehntausend));

    auto* tabelle = fenster->findChild<QTableView*>(QStringLiteral("tblliste"));
    std::vector<double> sortieren;
    for (int s = 0; s < tabelle->model()->columnCount(); ++s)
        for (Qt::SortOrder ordnung : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            QElapsedTimer uhr;
            uhr.start();
            tabelle->sortByColumn(s, ordnung);
            QCoreApplication::processEvents();
            sortieren.push_back(double(uhr.nsecsElapsed()) / 1e6);
        }

    std::printf("| Straßenliste | Zeit | Speicher | Ziel |\n|---|---|---|---|\n");
    std::printf("| `--liste --csv`, Beispiel (24 Zeilen), ganzer Prozess (Median von %d) | %.0f ms (CPU %.0f ms) | "
                "%.1f MiB | |\n",
                laeufe, tBeispiel, cBeispiel, sBeispiel / 1024);
    std::printf("| `--liste --csv`, 10 000 Zeilen, ganzer Prozess | %.0f ms (CPU %.0f ms) | %.1f MiB, %.2f KiB je "
                "Zeile | < 1 s, < 1 KiB je Zeile |\n",
                t10, c10, s10 / 1024, (s10 - sBeispiel) / 10000);
    std::printf("| `--liste --csv`, 20 000 Zeilen, ganzer Prozess | %.0f ms (CPU %.0f ms) | %.1f MiB, %.2f KiB je "
                "Zeile | |\n",
                t20, c20, s20 / 1024, (s20 - sBeispiel) / 20000);
    std::printf("| Fenster: 10 000 Zeilen lesen, berechnen und zeigen (Median von %zu) | %.0f ms | %.2f KiB je Zeile "
                "mehr | < 1 s |\n",
                anzeigen.size(), median(anzeigen), double(mit10 - vorher) / 10000);
    std::printf("| Fenster: nach einer Spalte sortieren, 10 000 Zeilen (Median / längste von %zu) | %.0f ms / %.0f ms | "
                "| < 100 ms |\n",
                sortieren.size(), median(sortieren), *std::max_element(sortieren.begin(), sortieren.end()));
    return 0;
}
