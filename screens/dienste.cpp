#include "dienste.h"

#include "dialogwache.h"
#include "druckauftrag.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include <optional>
#include <utility>

namespace grobrechner {

namespace {

std::optional<int> zeigen(QMessageBox::Icon symbol, QWidget* eltern, const QString& titel, const QString& text,
                          QMessageBox::StandardButtons knoepfe)
{
    Dialogwache box(new QMessageBox(symbol, titel, text, knoepfe, eltern));
    // German whatever the locale, and whether or not Qt's own German
    // translation is installed.
    const std::pair<QMessageBox::StandardButton, QString> beschriftungen[] = {
        {QMessageBox::Ok, QStringLiteral("OK")},
        {QMessageBox::Yes, QStringLiteral("&Ja")},
        {QMessageBox::No, QStringLiteral("&Nein")},
    };
    for (const auto& [knopf, beschriftung] : beschriftungen)
        if (QAbstractButton* k = box.dialog<QMessageBox>()->button(knopf))
            k->setText(beschriftung);
    return box.ausfuehren();
}

} // namespace

bool QtMeldungen::information(QWidget* eltern, const QString& titel, const QString& text)
{
    return zeigen(QMessageBox::Information, eltern, titel, text, QMessageBox::Ok).has_value();
}

bool QtMeldungen::frage(QWidget* eltern, const QString& titel, const QString& text)
{
    return zeigen(QMessageBox::NoIcon, eltern, titel, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Dienste Dienste::echt()
{
    static QtMeldungen meldungen;
    Dienste d;
    d.meldungen = &meldungen;
    d.neuerDruckauftrag = [] { return std::make_unique<QtDruckauftrag>(QPrinterInfo::defaultPrinter()); };
    d.jetzt = [] { return QDateTime::currentDateTime(); };
    // A browser that cannot be started is not worth a message.
    d.homepageOeffnen = [](const QUrl& adresse) { QDesktopServices::openUrl(adresse); };
    return d;
}

} // namespace grobrechner
