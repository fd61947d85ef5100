#include "klickbar.h"

#include <QHash>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace grobrechner {

namespace {
// Press and release on the same element make a click, as with a button.
bool klickEndet(QWidget& w, QMouseEvent* ereignis, bool& gedrueckt)
{
    const bool klick = gedrueckt && ereignis->button() == Qt::LeftButton
        && w.rect().contains(ereignis->position().toPoint());
    gedrueckt = false;
    return klick;
}
} // namespace

KlickLabel::KlickLabel(QWidget* eltern)
    : Beschriftung(eltern)
{
    setCursor(Qt::PointingHandCursor);
}

void KlickLabel::mousePressEvent(QMouseEvent* ereignis)
{
    m_gedrueckt = ereignis->button() == Qt::LeftButton;
    ereignis->accept();
}

void KlickLabel::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (klickEndet(*this, ereignis, m_gedrueckt))
        emit geklickt();
    ereignis->accept();
}

Bild::Bild(QWidget* eltern)
    : QWidget(eltern)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

Bild::Bild(const QString& name, QWidget* eltern)
    : Bild(eltern)
{
    setBild(name);
}

void Bild::setBild(const QString& name)
{
    m_name = name;
    delete m_renderer;
    m_renderer = nullptr;
    updateGeometry();
    update();
}

void Bild::setGroesse(const QSize& groesse)
{
    m_groesse = groesse;
    updateGeometry();
}

QSvgRenderer* Bild::renderer() const
{
    if (!m_renderer && !m_name.isEmpty())
        m_renderer = new QSvgRenderer(QStringLiteral(":/bilder/%1.svg").arg(m_name), const_cast<Bild*>(this));
    return m_renderer;
}

QSize Bild::eigeneGroesse() const
{
    // Read once per picture for the whole program: the logo stands on every
    // screen, and a screen change should not parse it again only to learn its
    // size when its drawing is kept anyway.
    static QHash<QString, QSize> bekannt;
    if (m_name.isEmpty())
        return {};
    if (const auto gefunden = bekannt.constFind(m_name); gefunden != bekannt.cend())
        return *gefunden;
    QSvgRenderer* r = renderer();
    const QSize groesse = r->isValid() ? r->defaultSize() : QSize();
    bekannt.insert(m_name, groesse);
    return groesse;
}

QSize Bild::sizeHint() const
{
    if (m_groesse.isValid())
        return m_groesse;
    const QSize eigen = eigeneGroesse();
    return eigen.isValid() ? eigen : QSize(32, 32);
}

int Bild::heightForWidth(int breite) const
{
    const QSize s = sizeHint();
    return s.width() > 0 ? breite * s.height() / s.width() : breite;
}

void Bild::paintEvent(QPaintEvent*)
{
    const QSize eigen = eigeneGroesse();
    if (!eigen.isValid())
        return;
    QSizeF ziel = QSizeF(eigen).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF rahmen((width() - ziel.width()) / 2, (height() - ziel.height()) / 2, ziel.width(), ziel.height());
    QPainter maler(this);
    const qreal dichte = devicePixelRatioF();
    const QSize pixel = (ziel * dichte).toSize();
    // A printer gets the vector graphics, and so does a large picture, which
    // is drawn rarely and would cost much memory to keep.
    constexpr int groessteGespeicherte = 256 * 256;
    if (maler.paintEngine()->type() != QPaintEngine::Raster || pixel.width() * pixel.height() > groessteGespeicherte) {
        renderer()->render(&maler, rahmen);
        return;
    }
    // On the screen a small picture is drawn once per size and kept: the logo
    // stands on every screen, and a screen change should not draw it anew.
    const QString schluessel = QStringLiteral("bild:%1:%2x%3").arg(m_name).arg(pixel.width()).arg(pixel.height());
    QPixmap bild;
    if (!QPixmapCache::find(schluessel, &bild)) {
        bild = QPixmap(pixel);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        renderer()->render(&p);
        p.end();
        QPixmapCache::insert(schluessel, bild);
    }
    bild.setDevicePixelRatio(dichte);
    maler.drawPixmap(rahmen.topLeft(), bild);
}

void Bild::mousePressEvent(QMouseEvent* ereignis)
{
    m_gedrueckt = ereignis->button() == Qt::LeftButton;
    ereignis->accept();
}

void Bild::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (klickEndet(*this, ereignis, m_gedrueckt))
        emit geklickt();
    ereignis->accept();
}

} // namespace grobrechner
