#include "dienste.h"

#include "dialogwache.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <optional>
#include <utility>

namespace grobrechner {

namespace {

struct Antwort {
    std::optional<int> knopf; // nothing when the window was closed meanwhile
    bool angehakt = false;
};

// A check box is shown when `haken` names one.
Antwort zeigen(QMessageBox::Icon symbol, QWidget* eltern, const QString& titel, const QString& text,
               QMessageBox::StandardButtons knoepfe, const QString& haken = {})
{
    Dialogwache box(new QMessageBox(symbol, titel, text, knoepfe, eltern));
    auto* meldung = box.dialog<QMessageBox>();
    // German whatever the locale, and whether or not Qt's own German
    // translation is installed.
    const std::pair<QMessageBox::StandardButton, QString> beschriftungen[] = {
        {QMessageBox::Ok, QStringLiteral("OK")},
        {QMessageBox::Yes, QStringLiteral("&Ja")},
        {QMessageBox::No, QStringLiteral("&Nein")},
    };
    for (const auto& [knopf, beschriftung] : beschriftungen)
        if (QAbstractButton* k = meldung->button(knopf))
            k->setText(beschriftung);
    if (!haken.isEmpty())
        meldung->setCheckBox(new QCheckBox(haken, meldung));
    Antwort antwort{box.ausfuehren()};
    // The box is gone with its window; then nothing was confirmed.
    const auto* danach = box.dialog<QMessageBox>();
    antwort.angehakt = antwort.knopf && danach && danach->checkBox() && danach->checkBox()->isChecked();
    return antwort;
}

} // namespace

std::optional<bool> Meldungen::informationMitHaken(QWidget* eltern, const QString& titel, const QString& text,
                                                   const QString& /*haken*/)
{
    if (!information(eltern, titel, text))
        return std::nullopt;
    return false;
}

bool QtMeldungen::information(QWidget* eltern, const QString& titel, const QString& text)
{
    return zeigen(QMessageBox::Information, eltern, titel, text, QMessageBox::Ok).knopf.has_value();
}

bool QtMeldungen::frage(QWidget* eltern, const QString& titel, const QString& text)
{
    return zeigen(QMessageBox::NoIcon, eltern, titel, text, QMessageBox::Yes | QMessageBox::No).knopf
           == QMessageBox::Yes;
}

std::optional<bool> QtMeldungen::informationMitHaken(QWidget* eltern, const QString& titel, const QString& text,
                                                     const QString& haken)
{
    const Antwort antwort = zeigen(QMessageBox::Information, eltern, titel, text, QMessageBox::Ok, haken);
    if (!antwort.knopf)
        return std::nullopt;
    return antwort.angehakt;
}

namespace {

// A window closed while its dialog waits takes the dialog down with it
// (Dialogwache); the answer is then "cancelled", and its caller does nothing.
QString waehlen(QWidget* eltern, const QString& titel, const QString& ordner, QFileDialog::AcceptMode art,
                const QString& filter, const QString& vorschlag, const QString& endung)
{
    Dialogwache wache(new QFileDialog(eltern, titel, ordner, filter));
    auto* dialog = wache.dialog<QFileDialog>();
    dialog->setAcceptMode(art);
    dialog->setFileMode(art == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog->setDefaultSuffix(endung);
    if (!vorschlag.isEmpty())
        dialog->selectFile(vorschlag);
    if (wache.ausfuehren() != QDialog::Accepted || !wache.dialog())
        return {};
    const QStringList dateien = wache.dialog<QFileDialog>()->selectedFiles();
    return dateien.value(0);
}

} // namespace

QString QtDateiwahl::oeffnen(QWidget* eltern, const QString& titel, const QString& filter)
{
    QString datei = waehlen(eltern, titel, m_ordner, QFileDialog::AcceptOpen, filter, {}, {});
    if (!datei.isEmpty())
        m_ordner = QFileInfo(datei).absolutePath();
    return datei;
}

QString QtDateiwahl::speichern(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter,
                               const QString& endung)
{
    QString datei = waehlen(eltern, titel, m_ordner, QFileDialog::AcceptSave, filter, vorschlag, endung);
    if (!datei.isEmpty())
        m_ordner = QFileInfo(datei).absolutePath();
    return datei;
}

} // namespace grobrechner
