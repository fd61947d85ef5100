#pragma once

#include "druckauftrag.h"

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace grobrechner {

// Message boxes. The program always uses QtMeldungen; tests put a recorder in
// its place so that no box waits for a click.
//
// A window can be closed while its box is open (by a screen reader or UI
// automation, which reach past the box). The box then goes with it, and its
// caller must leave the window alone: information() says false, frage() No.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    // Information icon and an OK button. False when the window was closed
    // meanwhile.
    virtual bool information(QWidget* eltern, const QString& titel, const QString& text) = 0;
    // Yes and No without an icon; true for Yes, never when the window was
    // closed meanwhile.
    virtual bool frage(QWidget* eltern, const QString& titel, const QString& text) = 0;
    // As information(), with a check box of that caption below the text,
    // unticked as the box opens: whether it was ticked when the box was
    // confirmed, or nothing when the window was closed meanwhile. Without a
    // check box of its own, a seam shows the plain box and reports it unticked.
    virtual std::optional<bool> informationMitHaken(QWidget* eltern, const QString& titel, const QString& text,
                                                    const QString& haken);
};

// Real QMessageBoxes with German buttons, run through a Dialogwache.
class QtMeldungen final : public Meldungen {
public:
    bool information(QWidget* eltern, const QString& titel, const QString& text) override;
    bool frage(QWidget* eltern, const QString& titel, const QString& text) override;
    std::optional<bool> informationMitHaken(QWidget* eltern, const QString& titel, const QString& text,
                                            const QString& haken) override;
};

// The file dialogs. The program always uses QtDateiwahl; tests answer with a
// prepared name. An empty name means the user cancelled.
class Dateiwahl {
public:
    virtual ~Dateiwahl() = default;
    // A file to open; `filter` as QFileDialog takes it.
    virtual QString oeffnen(QWidget* eltern, const QString& titel, const QString& filter) = 0;
    // A file to write, starting from the name `vorschlag`; a name typed
    // without an extension gets `endung`, and a file that exists has been
    // confirmed to be replaced.
    virtual QString speichern(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter,
                              const QString& endung) = 0;
};

class QtDateiwahl final : public Dateiwahl {
public:
    QString oeffnen(QWidget* eltern, const QString& titel, const QString& filter) override;
    QString speichern(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter,
                      const QString& endung) override;

private:
    QString m_ordner; // where the last file was chosen, for the next dialog
};

// What a screen needs from the world outside the calculation: message boxes,
// file dialogs, the printer, the clock and the web browser.
struct Dienste {
    Meldungen* meldungen = nullptr;
    Dateiwahl* dateiwahl = nullptr;
    std::function<std::unique_ptr<Druckauftrag>()> neuerDruckauftrag;
    std::function<QDateTime()> jetzt;
    std::function<void(const QUrl&)> homepageOeffnen;
    // The info screen over the window `ueber`, as every screen's INFO opens it.
    std::function<void(Dienste& dienste, QWidget& ueber)> infoOeffnen;
};

} // namespace grobrechner
