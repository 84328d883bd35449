#pragma once

#include "archive/numberstats.h"

#include <QByteArray>
#include <QWidget>

class QLabel;
class QSpinBox;

namespace enalotto {

// The bar chart of the 90 numbers: how often each came out (blue, upwards) and its current
// delay (red, downwards), over the same draws; a tooltip on a bar gives the figures.
class FrequencyChart : public QWidget
{
    Q_OBJECT

public:
    explicit FrequencyChart(QWidget *parent = nullptr);
    void setFigures(const NumberTable &figures);
    [[nodiscard]] const NumberTable &figures() const { return m_figures; }
    // The number whose bar is under a point of the widget, or 0.
    [[nodiscard]] int numberAt(const QPoint &point) const;
    [[nodiscard]] QRect barArea(int number) const;
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    NumberTable m_figures{};
};

// "Frequenze e ritardi": the chart over the newest N draws (the whole archive at first), with
// the most and least frequent and the most delayed numbers named beside it. The figures are
// those of `superenalotto-archivio statistiche`.
class FrequencyPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FrequencyPanel(QWidget *parent = nullptr);
    void setArchive(const QByteArray &archive);

private:
    void showFigures(); // the chart and the named numbers over the chosen draws

    QByteArray m_archive;
    QSpinBox *m_last = nullptr; // how many of the newest draws
    FrequencyChart *m_chart = nullptr;
    QLabel *m_extremes = nullptr;
};

} // namespace enalotto
