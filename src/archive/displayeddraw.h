#pragma once

#include <QString>
#include <array>

// The draw as the main window shows it: the texts of its display controls, unchanged.
// Every other window reads the draw this way, never from the archive.
// The date and contest number the notice and analysis windows show while the main window is
// not visible; "__" is also the main window's contest number for draws before the newest year.
inline QString noDrawDate()
{
    return QStringLiteral("_________");
}
inline QString noContestNumber()
{
    return QStringLiteral("__");
}

struct DisplayedDraw
{
    QString date;                   // caption of Frame3D1, 9 characters
    QString contest;                // caption of Label3, a number or "__"
    std::array<QString, 6> numbers; // captions of CV0 ... CV5, ascending
    QString jolly;                  // caption of CJ
    QString superStar;              // caption of ss
};
