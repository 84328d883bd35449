#include "archive_window/frequencypanel.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace enalotto {
namespace {

constexpr int Margin = 24;

// The numbers 1-90 whose figure is the largest, or the smallest, of all.
QString extremeNumbers(const NumberTable &t, int NumberStats::*figure, bool largest)
{
    int best = t[1].*figure;
    for (int v = 2; v <= 90; ++v)
        best =
            largest ? std::max(best, t[size_t(v)].*figure) : std::min(best, t[size_t(v)].*figure);
    QStringList numbers;
    for (int v = 1; v <= 90; ++v) {
        if (t[size_t(v)].*figure == best)
            numbers << QString::number(v);
    }
    return numbers.join(QStringLiteral(", ")) + QStringLiteral(" (%1)").arg(best);
}

} // namespace

FrequencyChart::FrequencyChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setMinimumSize(540, 260);
}

QSize FrequencyChart::sizeHint() const
{
    return {720, 320};
}

void FrequencyChart::setFigures(const NumberTable &figures)
{
    m_figures = figures;
    QWidget::update();
}

QRect FrequencyChart::barArea(int number) const
{
    const double step = double(width() - 2 * Margin) / 90;
    return QRect(int(Margin + (number - 1) * step), Margin, std::max(1, int(step)),
                 height() - 2 * Margin);
}

int FrequencyChart::numberAt(const QPoint &point) const
{
    for (int v = 1; v <= 90; ++v) {
        if (barArea(v).contains(point))
            return v;
    }
    return 0;
}

void FrequencyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    int most = 1, longest = 1;
    for (int v = 1; v <= 90; ++v) {
        most = std::max(most, m_figures[size_t(v)].count);
        longest = std::max(longest, m_figures[size_t(v)].currentDelay);
    }
    const int middle = height() / 2;
    const int half = middle - Margin;
    painter.setPen(Qt::black);
    painter.drawLine(Margin, middle, width() - Margin, middle);
    for (int v = 1; v <= 90; ++v) {
        const QRect area = barArea(v);
        const int up = half * m_figures[size_t(v)].count / most;
        const int down = half * m_figures[size_t(v)].currentDelay / longest;
        painter.fillRect(QRect(area.left(), middle - up, std::max(1, area.width() - 1), up),
                         QColor(0, 0, 200));
        painter.fillRect(QRect(area.left(), middle, std::max(1, area.width() - 1), down),
                         QColor(200, 0, 0));
        if (v % 10 == 0 || v == 1)
            painter.drawText(area.left(), height() - 6, QString::number(v));
    }
    painter.drawText(Margin, 16,
                     QStringLiteral("uscite (blu, in alto) e ritardo (rosso, in basso)"));
}

bool FrequencyChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (const int v = numberAt(help->pos())) {
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("Numero %1: uscito %2 volte, ritardo %3")
                                   .arg(v)
                                   .arg(m_figures[size_t(v)].count)
                                   .arg(m_figures[size_t(v)].currentDelay),
                               this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

FrequencyPanel::FrequencyPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frequencyPanel"));
    auto *layout = new QVBoxLayout(this);
    auto *choice = new QHBoxLayout;
    m_last = new QSpinBox;
    m_last->setObjectName(QStringLiteral("lastDraws"));
    m_last->setRange(1, MaxArchiveRecords);
    choice->addWidget(new QLabel(QStringLiteral("Ultime estrazioni considerate:")));
    choice->addWidget(m_last);
    choice->addStretch();
    layout->addLayout(choice);
    auto *row = new QHBoxLayout;
    m_chart = new FrequencyChart;
    m_extremes = new QLabel;
    m_extremes->setObjectName(QStringLiteral("extremes"));
    m_extremes->setWordWrap(true);
    m_extremes->setMinimumWidth(160);
    row->addWidget(m_chart, 1);
    row->addWidget(m_extremes);
    layout->addLayout(row);
    connect(m_last, &QSpinBox::valueChanged, this, &FrequencyPanel::showFigures);
}

void FrequencyPanel::setArchive(const QByteArray &archive)
{
    const int before = int(m_archive.size() / DrawRecord::Size);
    m_archive = archive;
    const int records = int(archive.size() / DrawRecord::Size);
    const bool whole = m_last->value() >= before; // the whole archive stays the whole one
    const QSignalBlocker blocker(m_last);
    m_last->setMaximum(std::max(1, records));
    if (whole)
        m_last->setValue(m_last->maximum());
    showFigures();
}

void FrequencyPanel::showFigures()
{
    QVector<ArchiveDraw> draws = parseArchive(m_archive);
    if (m_last->value() < draws.size())
        draws = draws.mid(draws.size() - m_last->value());
    const ArchiveStats stats = archiveStats(draws);
    m_chart->setFigures(stats.six);
    if (draws.isEmpty()) {
        m_extremes->setText(QStringLiteral("Nessuna estrazione."));
        return;
    }
    m_extremes->setText(
        QStringLiteral("Su %1 estrazioni, dal %2 al %3.\n\nPiù frequente: %4\nMeno frequente: "
                       "%5\nPiù in ritardo: %6")
            .arg(draws.size())
            .arg(QString::fromLatin1(draws.first().date), QString::fromLatin1(draws.last().date))
            .arg(extremeNumbers(stats.six, &NumberStats::count, true),
                 extremeNumbers(stats.six, &NumberStats::count, false),
                 extremeNumbers(stats.six, &NumberStats::currentDelay, true)));
}

} // namespace enalotto
