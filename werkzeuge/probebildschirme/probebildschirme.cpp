#include "probebildschirme.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace grobrechner {

bool probebildschirmeEinrichten(const QList<QSize>& groessen, const QString& ordner)
{
    QJsonArray bildschirme;
    int links = 0;
    for (const QSize& g : groessen) {
        bildschirme.append(QJsonObject{
            {"name", QStringLiteral("Bildschirm %1").arg(bildschirme.size() + 1)},
            {"x", links},
            {"y", 0},
            {"width", g.width()},
            {"height", g.height()},
        });
        links += g.width();
    }
    const QString datei = QDir(ordner).filePath(QStringLiteral("bildschirme.json"));
    QSaveFile ausgabe(datei);
    if (!ausgabe.open(QIODevice::WriteOnly)
        || ausgabe.write(QJsonDocument(QJsonObject{{"screens", bildschirme}}).toJson()) < 0 || !ausgabe.commit())
        return false;
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + datei).toLocal8Bit());
    return true;
}

} // namespace grobrechner
