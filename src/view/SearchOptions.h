#pragma once

#include <QString>

// What the find and replace commands look for, remembered between searches so that
// Find Next and Find Previous repeat the last one.
struct SearchOptions
{
    QString text;
    QString replacement;
    bool matchCase = false;
    bool wholeWord = false;
};
