// Renders the program's windows to PNG files, headless, for the README.
// Usage: screenshot OUTPUT_DIR   (run in a folder that holds "se")

#include "about/form14.h"
#include "analysis/form43.h"
#include "app/program.h"
#include "main_window/form32.h"
#include "notice/form29.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

namespace {

bool save(QWidget *window, const QString &dir, const QString &name)
{
    return window->grab().save(QDir(dir).filePath(name));
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    if (!startProgram())
        return 1;
    Form29 *notice = Form29::open();
    fillSampleNotice(notice);
    Form43 *analysis = Form43::open();
    Form14 *about = Form14::open();
    // Let the timers of the notice and analysis windows catch up with the main window.
    QTimer::singleShot(700, &app, [&] {
        const bool ok = save(Form32::startupWindow(), out, QStringLiteral("main-window.png")) &&
                        save(notice, out, QStringLiteral("notice-window.png")) &&
                        save(analysis, out, QStringLiteral("analysis-window.png")) &&
                        save(about, out, QStringLiteral("about-window.png"));
        app.exit(ok ? 0 : 1);
    });
    return app.exec();
}
