#pragma once

#include <QColor>
#include <QWidget>

namespace enalotto {

// A filled circle, centred in its rectangle: the coloured balls under the number labels.
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(const QColor &colour, QWidget *parent = nullptr);

    [[nodiscard]] QColor color() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace enalotto
