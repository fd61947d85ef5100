#pragma once

#include <QLayout>
#include <QList>

namespace grobrechner {

// The row of buttons at the bottom of a screen. The buttons stand side by side
// at the right, each as wide as its caption; when the window is too narrow for
// all of them (a small screen, a large font, many buttons) the row breaks into
// further rows instead of pushing buttons out of the window. The order stays
// the reading order: left to right, then the next row, so the forward button
// keeps the bottom right corner.
class Knopfreihe : public QLayout {
public:
    explicit Knopfreihe(int abstand);
    ~Knopfreihe() override;
    Knopfreihe(const Knopfreihe&) = delete;
    Knopfreihe& operator=(const Knopfreihe&) = delete;

    void addItem(QLayoutItem* element) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int breite) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& bereich) override;

private:
    // Places the buttons in `bereich`, or only measures when `setzen` is
    // false; returns the height the rows take.
    int anordnen(const QRect& bereich, bool setzen) const;

    QList<QLayoutItem*> m_elemente;
};

} // namespace grobrechner
