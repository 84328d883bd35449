#pragma once

#include <QString>
#include <QWidget>

class QPainter;

namespace enalotto {

// Draws the classic two-tone bevel: light on the top and left, shadow on the bottom and
// right when raised, the other way round when inset.
void drawBevel(QPainter &painter, const QRect &rect, bool raised, int width,
               const QPalette &palette);

// A 3D panel: a bevelled surface with an optional centred caption. Its background is the
// palette's Button colour, its caption colour WindowText.
class Panel3D : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    enum class Bevel
    {
        Raised,
        Inset
    };

    explicit Panel3D(QWidget *parent = nullptr);

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);
    void setBevel(Bevel bevel);
    void setAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Bevel m_bevel = Bevel::Raised;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

} // namespace enalotto
