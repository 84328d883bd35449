#include "notice/form29.h"

#include "common/formats.h"
#include "controls/command3d.h"
#include "controls/designfont.h"
#include "controls/designwindow.h"
#include "controls/frame3d.h"
#include "controls/palettecolor.h"
#include "controls/panel3d.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "header/headerfile.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <optional>

namespace enalotto {

namespace {

QPointer<Form29> theWindow;

enum class Format
{
    None,
    Whole,
    TwoDecimals
};

struct BoxDesign
{
    int number; // TextN
    int frame;  // Frame3D1 (header), Frame3D2 (prizes) or Frame3D3 (jackpot)
    int left, top, width;
    int typingLimit;
    const char *bevel;
    Format format;
};

// In tab-index order, which is also the order Enter moves through them.
constexpr BoxDesign Boxes[] = {
    {1, 1, 1560, 360, 3975, 30, "Panel3D11", Format::None},
    {2, 1, 1560, 720, 3975, 30, "Panel3D2", Format::None},
    {3, 1, 1560, 1080, 3975, 30, "Panel3D3", Format::None},
    {4, 2, 3360, 360, 1455, 14, "Panel3D4", Format::TwoDecimals},
    {8, 2, 360, 840, 735, 2, "Panel3D8", Format::Whole},
    {5, 2, 1560, 840, 1455, 13, "Panel3D5", Format::TwoDecimals},
    {13, 2, 360, 1200, 735, 2, "Panel3D16", Format::Whole},
    {14, 2, 1560, 1200, 1455, 13, "Panel3D17", Format::TwoDecimals},
    {9, 2, 360, 1560, 735, 3, "Panel3D9", Format::Whole},
    {6, 2, 1560, 1560, 1455, 13, "Panel3D6", Format::TwoDecimals},
    {10, 2, 360, 1920, 735, 5, "Panel3D10", Format::Whole},
    {7, 2, 1560, 1920, 1455, 13, "Panel3D7", Format::TwoDecimals},
    {11, 2, 360, 2280, 735, 7, "Panel3D12", Format::Whole},
    {12, 2, 1560, 2280, 1455, 13, "Panel3D13", Format::TwoDecimals},
    {15, 2, 3480, 840, 735, 2, "Panel3D15", Format::Whole},
    {23, 2, 5400, 840, 1455, 14, "Panel3D28", Format::TwoDecimals},
    {16, 2, 3480, 1200, 735, 2, "Panel3D18", Format::Whole},
    {24, 2, 5400, 1200, 1455, 14, "Panel3D27", Format::TwoDecimals},
    {17, 2, 3480, 1560, 735, 5, "Panel3D19", Format::Whole},
    {25, 2, 5400, 1560, 1455, 14, "Panel3D26", Format::TwoDecimals},
    {18, 2, 3480, 1920, 735, 6, "Panel3D20", Format::Whole},
    {26, 2, 5400, 1920, 1455, 14, "Panel3D25", Format::TwoDecimals},
    {19, 2, 3480, 2280, 735, 7, "Panel3D21", Format::Whole},
    {27, 2, 5400, 2280, 1455, 14, "Panel3D24", Format::TwoDecimals},
    {22, 2, 3480, 2640, 735, 7, "Panel3D22", Format::Whole},
    {28, 2, 5400, 2640, 1455, 14, "Panel3D23", Format::TwoDecimals},
    {21, 3, 3360, 360, 1455, 14, "Panel3D14", Format::TwoDecimals},
};

struct RowDesign
{
    int top;
    bool rightBlock;
    const char *aiLabel;
    const char *captionLabel;
    const char *caption;
};

constexpr RowDesign Rows[] = {
    {840, false, "Label6", "Label9", "6"},          {1200, false, "Label14", "Label15", "5+"},
    {1560, false, "Label7", "Label10", "5"},        {1920, false, "Label8", "Label11", "4"},
    {2280, false, "Label12", "Label13", "3"},       {840, true, "Label24", "Label29", "5 STELLA"},
    {1200, true, "Label23", "Label28", "4 STELLA"}, {1560, true, "Label20", "Label27", "3 STELLA"},
    {1920, true, "Label19", "Label26", "2 STELLA"}, {2280, true, "Label18", "Label25", "1 STELLA"},
    {2640, true, "Label17", "Label16", "0 STELLA"},
};

// Winners and amount boxes of the prize table, in the notice's printing order.
constexpr int WinnersBoxes[CategoryCount] = {8, 13, 9, 10, 11, 15, 16, 17, 18, 19, 22};
constexpr int AmountBoxes[CategoryCount] = {5, 14, 6, 7, 12, 23, 24, 25, 26, 27, 28};

const QString NoDate = noDrawDate();
const QString NoContest = noContestNumber();
const QString PrintFailureTitle = QStringLiteral("INFORMAZIONE GENERALE");
const QString PrintFailureText =
    QStringLiteral("ATTENZIONE... stampa impossibile a causa di probabili problemi con il font "
                   "COURIER NEW o con i files di stampa.");

Format formatOf(const QObject *box)
{
    for (const BoxDesign &d : Boxes) {
        if (box->objectName() == u"Text" + QString::number(d.number))
            return d.format;
    }
    return Format::None;
}

} // namespace

Form29 *Form29::open(std::shared_ptr<const DrawView> mainWindow)
{
    if (!theWindow) {
        theWindow = new Form29(std::move(mainWindow));
        theWindow->load();
    }
    showAndRaise(theWindow);
    return theWindow;
}

Form29::Form29(std::shared_ptr<const DrawView> mainWindow) : m_mainWindow(std::move(mainWindow))
{
    Panel3D *p = setUpDesignWindow(this, "Form29", QStringLiteral("STAMPA ENALOTTO (RICEVITORIA)"),
                                   7455, 6855);
    Frame3D *frames[4] = {
        nullptr,
        makeFrame(p, "Frame3D1", QStringLiteral("INTESTAZIONE"), 120, 120, 6855, 1575),
        makeFrame(p, "Frame3D2", QStringLiteral("MONTEPREMI"), 120, 1680, 7215, 3255),
        makeFrame(p, "Frame3D3", QStringLiteral("JACKPOT"), 120, 4920, 7215, 855),
    };

    makeLabel(frames[2], "Label5", QStringLiteral("TOTALE"), 1920, 360, 1335, 255);
    makeLabel(frames[3], "Label22", QStringLiteral("TOTALE"), 1920, 360, 1335, 255);
    for (const RowDesign &row : Rows) {
        const int base = row.rightBlock ? 3120 : 0;
        makeLabel(frames[2], row.aiLabel, QStringLiteral("AI"), base, row.top, 375, 255,
                  Qt::AlignCenter);
        makeLabel(frames[2], row.captionLabel, QString::fromLatin1(row.caption),
                  row.rightBlock ? 4320 : 1200, row.top, row.rightBlock ? 990 : 360, 255,
                  Qt::AlignCenter);
    }

    QWidget *previous = nullptr;
    for (const BoxDesign &d : Boxes) {
        // The bevel panel lies one pixel's worth of twips around the box.
        auto *bevel = new Panel3D(frames[d.frame]);
        bevel->setObjectName(QLatin1String(d.bevel));
        bevel->setBevel(Panel3D::Bevel::Inset);
        placeTwips(bevel, d.left - 30, d.top - 30, d.width + 60, 285 + 60);
        auto *box = new TextBox(d.typingLimit, bevel);
        box->setObjectName(u"Text" + QString::number(d.number));
        placeTwips(box, 30, 30, d.width, 285);
        box->installEventFilter(this);
        connect(box, &TextBox::left, this, [this, box] { reformat(box); });
        m_boxes.insert(d.number, box);
        if (previous)
            setTabOrder(previous, box);
        previous = box;
    }
    // Zero in the pool's pattern ("0,00" in Italian), written in the user's locale so that the
    // first tick reads it as a number in every locale.
    box(4)->setText(formatNumber(0, NumberFormat::TwoDecimals));

    const FollowedDrawLabels followed = makeFollowedDrawLabels(p, 5880);
    m_label3 = followed.date;
    m_label4 = followed.contest;

    m_command3D1 = makeButton(p, "Command3D1", QStringLiteral("STAMPA"), 3240, 5880, 4095, 735);
    auto *command3D9 = makeButton(p, "Command3D9", QStringLiteral("^"), 7080, 120, 255, 255);
    command3D9->setFont(arialFont(9, true));
    setTabOrder(previous, m_command3D1);
    setTabOrder(m_command3D1, command3D9);
    // Command3D9 has no action.

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);
    connect(m_timer1, &QTimer::timeout, this, &Form29::Timer1_Tick);
    connect(m_command3D1, &QPushButton::clicked, this, &Form29::Command3D1_Click);
    m_timer1->start();
}

void Form29::load()
{
    centreOnScreen(this);
    if (const std::optional<QStringList> header = readHeaderFile()) {
        for (int i = 0; i < 3; ++i)
            box(i + 1)->setText(header->at(i));
    }
}

TextBox *Form29::box(int number) const
{
    return m_boxes.value(number);
}

bool Form29::eventFilter(QObject *watched, QEvent *event)
{
    auto *textBox = qobject_cast<TextBox *>(watched);
    if (!textBox)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Posted, not sent: the focus moves on once this key has been handled.
            QCoreApplication::postEvent(
                textBox, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form29::reformat(TextBox *textBox)
{
    const Format format = formatOf(textBox);
    if (format == Format::None)
        return;
    const QString formatted = reformatNumberText(
        textBox->text(), format == Format::Whole ? NumberFormat::Whole : NumberFormat::TwoDecimals);
    if (formatted != textBox->text())
        textBox->setText(formatted);
}

void Form29::Timer1_Tick()
{
    const QString pool = box(4)->text();
    if (!pool.isEmpty()) {
        // Single precision, as the design reads the pool: a text that is not a number (a lone
        // minus sign while typing, letters) leaves the colours as they are.
        if (const std::optional<double> value = readLocaleNumber(pool)) {
            const QColor colour =
                float(*value) == 0.0f ? paletteColor(PaletteLightGrey) : paletteColor(PaletteWhite);
            for (const BoxDesign &d : Boxes) {
                if (d.format != Format::None)
                    box(d.number)->setBackgroundColor(colour);
            }
        }
    }

    if (m_mainWindow->isShowing()) {
        const DisplayedDraw draw = m_mainWindow->displayedDraw();
        m_label4->setText(draw.contest);
        m_label3->setText(draw.date);
        m_command3D1->setEnabled(true);
    } else {
        m_command3D1->setEnabled(false);
        m_label3->setText(NoDate);
        m_label4->setText(NoContest);
    }

    bool filled = true;
    for (int i = 1; i <= 3; ++i) {
        filled = filled && !box(i)->text().isEmpty();
        box(i)->setBackgroundColor(filled ? paletteColor(PaletteWhite)
                                          : paletteColor(PaletteLightGrey));
    }
}

NoticeInput Form29::noticeInput() const
{
    NoticeInput in;
    for (int i = 0; i < 3; ++i)
        in.header[size_t(i)] = box(i + 1)->text();
    in.contest = m_label4->text();
    in.date = m_label3->text();
    in.draw = m_mainWindow->displayedDraw();
    in.prizePool = box(4)->text();
    for (int r = 0; r < CategoryCount; ++r) {
        in.categories[size_t(r)].winners = box(WinnersBoxes[r])->text();
        in.categories[size_t(r)].amount = box(AmountBoxes[r])->text();
    }
    in.jackpot = box(21)->text();
    const QColor state = box(4)->backgroundColor();
    if (state == paletteColor(PaletteWhite))
        in.section = PrizeSection::Table;
    else if (state == paletteColor(PaletteLightGrey))
        in.section = PrizeSection::Filler;
    else
        in.section = PrizeSection::None;
    return in;
}

void Form29::Command3D1_Click()
{
    const NoticeInput input = noticeInput();
    bool printed = writeHeaderFile({input.header[0], input.header[1], input.header[2]});
    if (printed) {
        setCursor(Qt::WaitCursor);
        try {
            sendToPrinter(noticePrintout(input));
        } catch (const PrinterError &) {
            printed = false;
        }
    }
    if (!printed)
        showMessage(this, PrintFailureTitle, PrintFailureText, MessageIcon::Warning);
    unsetCursor();
}

} // namespace enalotto
