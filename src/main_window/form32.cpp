#include "main_window/form32.h"

#include "about/form14.h"
#include "analysis/form43.h"
#include "archive/drawarchive.h"
#include "archive/recordsource.h"
#include "common/basic.h"
#include "common/codepage.h"
#include "controls/command3d.h"
#include "controls/designfont.h"
#include "controls/designwindow.h"
#include "controls/frame3d.h"
#include "controls/palettecolor.h"
#include "controls/panel3d.h"
#include "controls/scrollbar.h"
#include "controls/shape.h"
#include "controls/twips.h"
#include "notice/form29.h"
#include "platform/clipboard.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "printout/combination.h"

#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace enalotto {

// The start-up main window as the notice and analysis windows read it. It outlives the
// window: once the window has closed it reads as not showing, with a blank draw.
class StartupView final : public DrawView
{
public:
    explicit StartupView(Form32 *window) : m_window(window) {}

    bool isShowing() const override { return m_window && m_window->isVisible(); }
    DisplayedDraw displayedDraw() const override
    {
        return m_window ? m_window->displayedDraw() : DisplayedDraw{};
    }
    QString drawDate() const override
    {
        return m_window ? m_window->m_frame3D1->text() : QString();
    }
    QString firstNumber() const override
    {
        return m_window ? m_window->m_cv[0]->text() : QString();
    }

    // When the analysis window closes, the start-up main window comes to the front.
    void raiseIfShowing()
    {
        if (isShowing())
            showAndRaise(m_window);
    }

private:
    QPointer<Form32> m_window;
};

namespace {

const QString InfoTitle = QStringLiteral("Informazioni generali");
// Where the shop's archive comes from is the shop's business; say only what to do.
const QString HowToObtain =
    QStringLiteral("Copiare in questa cartella un archivio \"se\" aggiornato con le estrazioni del "
                   "SUPER ENALOTTO, quindi avviare di nuovo il programma.");

QString archiveFolder()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

QString startupMessage(ArchiveScan::Status status, bool opened)
{
    QString first;
    if (!opened || status == ArchiveScan::Status::Unreadable) {
        first = u"Impossibile leggere l'archivio delle estrazioni \"se\" nella cartella\n" +
                archiveFolder() + u'.';
    } else if (status == ArchiveScan::Status::Empty) {
        first = u"L'archivio delle estrazioni \"se\" nella cartella\n" + archiveFolder() +
                u"\nnon contiene nessuna estrazione.";
    } else {
        first = u"L'archivio delle estrazioni \"se\" nella cartella\n" + archiveFolder() +
                u"\ncontiene pi\u00f9 di " + QString::number(MaxArchiveRecords) +
                u" estrazioni: troppe per questo programma.";
    }
    return first + u"\n\n" + HowToObtain;
}

QLabel *makeBallLabel(QWidget *parent, const QString &name, int left, const QColor &colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(arialFont(18, true));
    setPaletteColor(label, QPalette::WindowText, colour);
    placeTwips(label, left, 240, 735, 375);
    return label;
}

Shape *makeBall(QWidget *parent, const QString &name, int left, const QColor &colour)
{
    auto *shape = new Shape(colour, parent);
    shape->setObjectName(name);
    placeTwips(shape, left, 120, 735, 735);
    return shape;
}

} // namespace

Form32::Form32(QWidget *parent) : QWidget(parent), m_startup(std::make_shared<StartupView>(this))
{
    buildControls();
}

Form32::Form32(std::shared_ptr<StartupView> startup) : m_startup(std::move(startup))
{
    buildControls();
}

Form32::~Form32() = default;

void Form32::buildControls()
{
    // The caption is built at load; the window is 9375 x 2520 twips.
    QWidget *p = setUpDesignWindow(this, "Form32", QString(), 9375, 2520);

    makeLabel(p, "Label1", QStringLiteral("COMBINAZIONE VINCENTE DEL :"), 120, 120, 1695, 495);
    m_frame3D1 = new Frame3D(p);
    m_frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    m_frame3D1->setFont(sansSerifFont(13.5, true));
    placeTwips(m_frame3D1, 1680, 120, 2895, 615);
    makeLabel(p, "Label6", QStringLiteral("NUMERO JOLLY"), 6240, 120, 1215, 495,
              Qt::AlignHCenter | Qt::AlignTop);
    makeLabel(p, "Label5", QStringLiteral("NUMERO SUPERSTAR"), 7560, 120, 1215, 495,
              Qt::AlignHCenter | Qt::AlignTop);

    auto *panel3D2 = new Panel3D(p);
    panel3D2->setObjectName(QStringLiteral("Panel3D2"));
    placeTwips(panel3D2, 120, 600, 6015, 975);
    const int lefts[6] = {240, 1200, 2160, 3120, 4080, 5040};
    for (int k = 0; k < 6; ++k) {
        makeBall(panel3D2, u"Shape" + QString::number(k + 1), lefts[k], Qt::blue);
        m_cv[size_t(k)] = makeBallLabel(panel3D2, u"CV" + QString::number(k), lefts[k], Qt::white);
    }
    auto *panel3D3 = new Panel3D(p);
    panel3D3->setObjectName(QStringLiteral("Panel3D3"));
    placeTwips(panel3D3, 6240, 600, 1215, 975);
    makeBall(panel3D3, QStringLiteral("Shape12"), 240, Qt::red);
    m_cj = makeBallLabel(panel3D3, QStringLiteral("CJ"), 240, Qt::white);
    auto *panel3D4 = new Panel3D(p);
    panel3D4->setObjectName(QStringLiteral("Panel3D4"));
    placeTwips(panel3D4, 7560, 600, 1215, 975);
    makeBall(panel3D4, QStringLiteral("Shape7"), 240, paletteColor(PaletteYellow));
    m_ss = makeBallLabel(panel3D4, QStringLiteral("ss"), 240, Qt::black);

    m_picture1 = new QWidget(p);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAutoFillBackground(true);
    setPaletteColor(m_picture1, QPalette::Window, paletteColor(PaletteYellow));
    placeTwips(m_picture1, 840, 600, 4695, 525);
    makeLabel(m_picture1, "Label30", QStringLiteral("ESTRAZIONE ATTUALE NUMERO :"), 600, 0, 3375,
              255, Qt::AlignRight | Qt::AlignTop);
    m_label31 = makeLabel(m_picture1, "Label31", QString(), 4080, 0, 495, 255);
    setPaletteColor(m_label31, QPalette::WindowText, Qt::blue);
    makeLabel(m_picture1, "Label2", QStringLiteral("CONCORSO SUPER ENALOTTO NUMERO :"), 120, 240,
              3855, 255, Qt::AlignRight | Qt::AlignTop);
    m_label3 = makeLabel(m_picture1, "Label3", QString(), 4080, 240, 495, 255);
    setPaletteColor(m_label3, QPalette::WindowText, Qt::blue);
    m_picture1->hide();

    auto *panel3D30 = new Panel3D(p);
    panel3D30->setObjectName(QStringLiteral("Panel3D30"));
    placeTwips(panel3D30, 8850, 555, 435, 1065);
    auto *command3D6 = makeButton(p, "Command3D6", QStringLiteral("&? "), 8880, 600, 375, 375);
    m_vScroll1 = new ScrollBar(Qt::Vertical, p);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll1->setFocusPolicy(Qt::StrongFocus);
    m_vScroll1->setSingleStep(1);
    m_vScroll1->setPageStep(10);
    placeTwips(m_vScroll1, 8880, 960, 375, 615);

    auto *command3D8 = makeButton(p, "Command3D8", QStringLiteral("\""), 8760, 120, 255, 255);
    command3D8->setFont(arialFont(9, true));
    m_command3D9 = makeButton(p, "Command3D9", QStringLiteral("^"), 9000, 120, 255, 255);
    m_command3D9->setFont(arialFont(9, true));

    auto *command3D5 = makeButton(p, "Command3D5", QStringLiteral("&COPIA"), 240, 1800, 735, 615);
    auto *command3D1 =
        makeButton(p, "Command3D1", QStringLiteral("&STAMPA"), 1080, 1800, 1695, 615);
    m_command3D26 =
        makeButton(p, "Command3D26", QStringLiteral("C&OLONNA VINCENTE"), 2880, 1800, 2175, 615);
    m_command3D12 = makeButton(p, "Command3D12", QStringLiteral("&AUTORE"), 5160, 1800, 975, 615);
    m_command3D27 =
        makeButton(p, "Command3D27", QStringLiteral("&ANALISI SIST."), 2880, 1800, 3255, 615);
    m_command3D3 =
        makeButton(p, "Command3D3", QStringLiteral("&MENU' PRINCIPALE"), 6240, 1800, 2535, 615);
    m_picture1->raise();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(5000);

    connect(m_vScroll1, &QScrollBar::valueChanged, this, &Form32::VScroll1_Change);
    connect(m_timer1, &QTimer::timeout, this, &Form32::Timer1_Tick);
    connect(command3D1, &QPushButton::clicked, this, &Form32::Command3D1_Click);
    connect(command3D5, &QPushButton::clicked, this, &Form32::Command3D5_Click);
    connect(command3D6, &QPushButton::clicked, this, &Form32::Command3D6_Click);
    connect(command3D8, &QPushButton::clicked, this, &Form32::Command3D8_Click);
    connect(m_command3D27, &QPushButton::clicked, this, &Form32::Command3D27_Click);
    connect(m_command3D26, &QPushButton::clicked, this, [this] { Form29::open(m_startup); });
    connect(m_command3D12, &QPushButton::clicked, this, [] { Form14::open(); });
    connect(m_command3D3, &QPushButton::clicked, this, &QWidget::close);
    // Command3D9 has no action.
}

bool Form32::load()
{
    centreOnScreen(this);
    m_command3D27->hide();
    m_command3D9->hide();
    m_command3D26->show();
    m_command3D12->show();
    setWindowTitle(QStringLiteral("SUPER ENALOTTO PER VELTRAMO - 1997-2026 AUTORI DEL PROGRAMMA"
                                  " - v.%1.%2.%3")
                       .arg(ENALOTTO_VERSION_MAJOR)
                       .arg(ENALOTTO_VERSION_MINOR)
                       .arg(ENALOTTO_VERSION_PATCH));
    m_command3D3->setText(QStringLiteral("ESCI"));

    ArchiveFile file;
    const bool opened = file.open(QString::fromLatin1(ArchiveFileName));
    const ArchiveScan scan = opened ? scanArchive(file) : ArchiveScan{};
    file.close();
    if (!opened || scan.status != ArchiveScan::Status::Ok) {
        showMessage(nullptr, InfoTitle, startupMessage(scan.status, opened),
                    MessageIcon::Information);
        return false;
    }
    m_lastYearCount = scan.LastYearCount;

    m_vScroll1->setMinimum(0);
    m_vScroll1->setMaximum(scan.records - 1);
    if (m_vScroll1->value() == m_vScroll1->maximum())
        VScroll1_Change(m_vScroll1->value()); // one record: no change event, show it anyway
    else
        m_vScroll1->setValue(m_vScroll1->maximum());
    m_timer1->start();
    return true;
}

DisplayedDraw Form32::displayedDraw() const
{
    DisplayedDraw draw;
    draw.date = m_frame3D1->text();
    draw.contest = m_label3->text();
    for (size_t k = 0; k < 6; ++k)
        draw.numbers[k] = m_cv[k]->text();
    draw.jolly = m_cj->text();
    draw.superStar = m_ss->text();
    return draw;
}

void Form32::VScroll1_Change(int value)
{
    ArchiveFile file;
    if (!file.open(QString::fromLatin1(ArchiveFileName)) || !ReadDraw(file, value)) {
        file.close();
        // The archive changed under us: keep showing the last good draw and say so; the
        // person keeps the window and whatever the notice holds.
        m_vScroll1->endPress();
        if (m_shownPosition >= 0) {
            const QSignalBlocker blocker(m_vScroll1);
            m_vScroll1->setValue(m_shownPosition);
        }
        showMessage(this, InfoTitle,
                    u"Impossibile leggere l'estrazione numero " + QString::number(value + 1) +
                        u" dall'archivio \"se\" nella cartella\n" + archiveFolder() +
                        u".\n\nL'archivio \u00e8 stato spostato, accorciato o bloccato "
                        u"dopo l'avvio del programma.",
                    MessageIcon::Warning);
        return;
    }
    file.close();

    // The contest number counts the draws of the newest year; older draws have none.
    const int contestNumber = m_lastYearCount + value - m_vScroll1->maximum();
    m_label3->setText(contestNumber <= 0 ? noContestNumber() : basicStr(contestNumber).mid(1));
    m_frame3D1->setText(fromWindows1252(CurrentDraw.DrawDate));
    m_label31->setText(basicStr(value + 1));
    for (size_t k = 0; k < 6; ++k)
        m_cv[k]->setText(fromWindows1252(CurrentDraw.DrawNumbers[k + 1]));
    m_cj->setText(fromWindows1252(CurrentDraw.DrawNumbers[7]));
    m_ss->setText(fromWindows1252(CurrentDraw.DrawNumbers[8]));
    m_shownPosition = value;
}

void Form32::Timer1_Tick()
{
    m_timer1->stop();
    m_picture1->hide();
}

void Form32::Command3D1_Click()
{
    printOrAbandon(combinationPrintout(displayedDraw()));
}

void Form32::Command3D5_Click()
{
    putOnClipboard(combinationCopyLine(displayedDraw()));
}

void Form32::Command3D6_Click()
{
    m_timer1->start(5000);
    m_picture1->show();
}

void Form32::Command3D8_Click()
{
    if (!m_newWindow) {
        auto *window = new Form32(m_startup);
        if (!window->load()) {
            // The archive went away since start-up; the message has been shown, and the
            // windows already open stay open.
            delete window;
            return;
        }
        m_newWindow = window;
    }
    if (m_newWindow->isVisible())
        return;
    const double number = basicVal(windowTitle().right(2)) + 1;
    m_newWindow->setWindowTitle(m_newWindow->windowTitle() + basicStr(number));
    m_newWindow->show();
}

void Form32::Command3D27_Click()
{
    m_command3D27->setTextColor(paletteColor(PaletteYellow));
    Form43 *analysis = Form43::open(m_startup);
    connect(analysis, &Form43::closed, this, &Form32::analysisClosed, Qt::UniqueConnection);
}

void Form32::analysisClosed()
{
    m_command3D27->setTextColor(paletteColor(PaletteBlack));
    m_startup->raiseIfShowing();
}

} // namespace enalotto
