#pragma once

#include <QPushButton>

namespace enalotto {

// A 3D command button with the classic bevel; "&" in its caption marks the access key.
// Its caption colour is the palette's ButtonText. Space, Enter and keypad Enter click it when
// it has the focus, once per press.
class Command3D : public QPushButton
{
    Q_OBJECT

public:
    explicit Command3D(const QString &caption, QWidget *parent = nullptr);

    void setTextColor(const QColor &colour);
    [[nodiscard]] QColor textColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace enalotto
