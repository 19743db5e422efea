#pragma once

#include <QString>

// The fixed text blocks of the template buttons: 0 the notice header, 1 to 4 a blank
// six-string staff of that many measures. Every line ends with CR LF.
namespace StaffTemplates {

constexpr int Count = 5;

// The block of button index 0..4; empty text for any other index.
QString Block(int index);

}  // namespace StaffTemplates
