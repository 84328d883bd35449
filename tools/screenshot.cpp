// Renders the program's windows to PNG files, headless, for the README.
// Usage: screenshot OUTPUT_DIR   (run in a folder that holds "se")

#include "about/form14.h"
#include "analysis/form43.h"
#include "app/program.h"
#include "archive_window/archivewindow.h"
#include "main_window/form32.h"
#include "notice/form29.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace enalotto;

namespace {

bool save(QWidget *window, const QString &dir, const QString &name)
{
    return window->grab().save(QDir(dir).filePath(name));
}

// The archive window's tab of frequencies and delays.
bool saveChart(QWidget *archive, const QString &dir)
{
    archive->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(2);
    return save(archive, dir, QStringLiteral("archive-chart.png"));
}

void fillSampleNotice(QWidget *form29)
{
    const std::pair<const char *, const char *> values[] = {
        {"Text1", "RICEVITORIA DEL CORSO"},
        {"Text2", "TABACCHI E GIORNALI"},
        {"Text3", "VIA DELLE ROSE 1"},
        {"Text4", "12.345.678,90"},
        {"Text8", ""},
        {"Text5", "0,00"},
        {"Text13", "1"},
        {"Text14", "512.345,67"},
        {"Text9", "12"},
        {"Text6", "31.234,56"},
        {"Text10", "1.102"},
        {"Text7", "345,67"},
        {"Text11", "45.210"},
        {"Text12", "28,90"},
        {"Text21", "81.300.000,00"},
    };
    for (const auto &[name, text] : values) {
        if (auto *box = form29->findChild<QLineEdit *>(QLatin1String(name)))
            box->setText(QString::fromUtf8(text));
    }
}

} // namespace

// Opens a window as a person does, with its button on the start-up main window.
template <typename T> T *openWith(const char *button)
{
    startupWindow()->findChild<QPushButton *>(QString::fromLatin1(button))->click();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(w))
            return window;
    }
    return nullptr;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    if (!startProgram())
        return 1;
    Form29 *notice = openWith<Form29>("Command3D26");
    fillSampleNotice(notice);
    Form43 *analysis = openWith<Form43>("Command3D27");
    Form14 *about = openWith<Form14>("Command3D12");
    ArchiveWindow archive;
    archive.resize(archive.sizeHint().expandedTo(QSize(760, 620)));
    archive.show();
    // Let the timers of the notice and analysis windows catch up with the main window.
    QTimer::singleShot(700, &app, [&] {
        const bool ok = save(startupWindow(), out, QStringLiteral("main-window.png")) &&
                        save(notice, out, QStringLiteral("notice-window.png")) &&
                        save(analysis, out, QStringLiteral("analysis-window.png")) &&
                        save(about, out, QStringLiteral("about-window.png")) &&
                        save(&archive, out, QStringLiteral("archive-window.png")) &&
                        saveChart(&archive, out);
        app.exit(ok ? 0 : 1);
    });
    return app.exec();
}
