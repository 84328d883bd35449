#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace enalotto {

// What the commands of the archive tool share: their exit statuses, their arguments once the
// options are taken out, and the texts said more than once.

constexpr int Done = 0;
constexpr int Refused = 1;
constexpr int FileFault = 2;

// A command's words after its name: the positional ones and the options given.
struct Arguments
{
    QStringList positional;
    bool create = false; // --crea
    int last = -1;       // --ultimi N
    QString superStar;   // --superstar S, as given
    QString from;        // --dal DATA
    QString to;          // --al DATA
};

[[nodiscard]] QString cannotRead(const QString &name);

int add(const Arguments &args, QTextStream &out, QTextStream &err);
int import(const Arguments &args, QTextStream &out, QTextStream &err);
int undo(QTextStream &out, QTextStream &err);
int checkTicketCommand(const Arguments &args, QTextStream &out, QTextStream &err);

} // namespace enalotto
