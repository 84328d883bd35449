#pragma once

#include <QString>
#include <QWidget>

namespace enalotto {

// A 3D frame: an etched rectangle with its caption set into the top edge, grouping the
// controls inside it.
class Frame3D : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString title READ text WRITE setText)

public:
    explicit Frame3D(QWidget *parent = nullptr);

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

} // namespace enalotto
