#pragma once

// Window sizes are given in twips (1/1440 inch); widgets work in pixels. One conversion
// for the whole program, at the primary screen's logical DPI (96 when there is no screen).
namespace Twips {

double LogicalDpi();
int ToPixels(double twips);
double FromPixels(int pixels);

}  // namespace Twips
