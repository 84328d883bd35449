#pragma once

#include <QString>
#include <array>

namespace enalotto {

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

// What the notice and analysis windows read of the main window they follow, given to them
// by whoever opens them. Reads are cheap: the analysis window polls every millisecond.
class DrawView
{
public:
    virtual ~DrawView() = default;
    // Whether the main window exists and is on screen.
    [[nodiscard]] virtual bool isShowing() const = 0;
    // The draw as it shows it, shown or hidden; all blank once it has closed.
    [[nodiscard]] virtual DisplayedDraw displayedDraw() const = 0;
    [[nodiscard]] virtual QString drawDate() const = 0;    // the date alone
    [[nodiscard]] virtual QString firstNumber() const = 0; // the lowest number alone
};

} // namespace enalotto
