#include "dienste.h"

#include "dialogwache.h"

#include <QFileDialog>
#include <QFileInfo>
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
