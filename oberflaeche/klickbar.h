#pragma once

#include "beschriftung.h"

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace grobrechner {

// A label that acts like a button: a press and a release on it make a click.
class KlickLabel : public Beschriftung {
    Q_OBJECT
public:
    explicit KlickLabel(QWidget* eltern = nullptr);

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    bool m_gedrueckt = false;
};

// One of our SVG pictures, drawn as vector graphics at any size while keeping
// its proportions; a press and a release on it make a click.
class Bild : public QWidget {
    Q_OBJECT
public:
    explicit Bild(QWidget* eltern = nullptr);
    Bild(const QString& name, QWidget* eltern);

    // The picture ":/bilder/<name>.svg"; loaded on first use, not before.
    void setBild(const QString& name);
    // The size the picture asks for in its layout; by default its own size.
    void setGroesse(const QSize& groesse);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    QSvgRenderer* renderer() const;
    // The picture's own size; invalid when it cannot be read.
    QSize eigeneGroesse() const;

    QString m_name;
    QSize m_groesse;
    mutable QSvgRenderer* m_renderer = nullptr;
    bool m_gedrueckt = false;
};

} // namespace grobrechner
