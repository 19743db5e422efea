#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

double LogicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int ToPixels(double twips)
{
    return int(std::lround(twips * LogicalDpi() / 1440.0));
}

double FromPixels(int pixels)
{
    return pixels * 1440.0 / LogicalDpi();
}

}  // namespace Twips
