#pragma once

// What the measuring programs share: starting the program as a process of its
// own and timing it, the median of a series, and message boxes that answer
// themselves.
#include "dienste.h"

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace grobrechner::messung {

struct Lauf {
    double ersteZeile;       // ms from the start to its first line on stdout; -1 without one
    double millisekunden;    // ms from the start to its end
    double cpuMillisekunden; // user and system, all threads
    long spitzeKb;           // peak resident memory
};

struct Startweise {
    // Exit codes that count as success; any other ends the measurement.
    std::vector<int> erfolg{0};
    // For programs that report every refused line: their stderr is dropped.
    bool fehlerausgabeVerwerfen = false;
};

// Starts the program with the arguments, reads its stdout to the end and
// waits for it; a program that cannot be started or fails ends the
// measurement with exit code 2.
inline Lauf starten(const char* programm, const std::vector<QByteArray>& argumente, const Startweise& weise = {})
{
    std::vector<char*> argv{const_cast<char*>(programm)};
    for (const QByteArray& a : argumente)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    int rohr[2];
    if (pipe(rohr) != 0)
        std::exit(2);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    if (weise.fehlerausgabeVerwerfen)
        posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto anfang = std::chrono::steady_clock::now();
    const auto bisher = [&anfang] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang).count();
    };
    pid_t pid = 0;
    if (posix_spawn(&pid, programm, &aktionen, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "kann %s nicht starten\n", programm);
        std::exit(2);
    }
    close(rohr[1]);
    std::string gelesen;
    char puffer[256];
    double ersteZeile = -1;
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;) {
        gelesen.append(puffer, static_cast<std::size_t>(n));
        if (ersteZeile < 0 && gelesen.find('\n') != std::string::npos)
            ersteZeile = bisher();
    }
    close(rohr[0]);
    int status = 0;
    rusage verbrauch{};
    wait4(pid, &status, 0, &verbrauch);
    const double ende = bisher();
    posix_spawn_file_actions_destroy(&aktionen);
    if (!WIFEXITED(status)
        || std::find(weise.erfolg.begin(), weise.erfolg.end(), WEXITSTATUS(status)) == weise.erfolg.end()) {
        std::fprintf(stderr, "%s endete mit einem Fehler\n", programm);
        std::exit(2);
    }
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000 + double(t.tv_usec) / 1000; };
    return {ersteZeile, ende, ms(verbrauch.ru_utime) + ms(verbrauch.ru_stime), verbrauch.ru_maxrss};
}

inline double median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

// Notes are confirmed, questions answered No.
class Stumm final : public Meldungen {
public:
    bool information(QWidget*, const QString&, const QString&) override { return true; }
    bool frage(QWidget*, const QString&, const QString&) override { return false; }
};

} // namespace grobrechner::messung
