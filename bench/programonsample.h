#pragma once

// The program started on the sample archive in a temporary folder, as a benchmark's fixture.
// At the end every window is closed and the previous folder is current again, also when the
// program did not start.

#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

using namespace enalotto;

class ProgramOnSample
{
public:
    ProgramOnSample() : m_previous(QDir::currentPath())
    {
        QFile::copy(QStringLiteral(ENALOTTO_SAMPLE_ARCHIVE), m_dir.filePath(QStringLiteral("se")));
        QDir::setCurrent(m_dir.path());
        m_started = startProgram();
    }
    ~ProgramOnSample()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(m_previous);
    }
    ProgramOnSample(const ProgramOnSample &) = delete;
    ProgramOnSample &operator=(const ProgramOnSample &) = delete;

    [[nodiscard]] bool started() const { return m_started; }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    bool m_started = false;
};
