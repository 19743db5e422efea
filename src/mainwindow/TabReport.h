#pragma once

#include <QFont>
#include <QString>

class QPrinter;

// The printed form of a file: its title in bold Arial 9.75 point at the top of every page,
// and its tab text below in the editor's font, flowing over as many pages as it needs. Lines
// wider than the text box wrap rather than being cut off.
class TabReport final
{
public:
    TabReport(QString title, QString text, QFont body);

    // Paints every page on the printer (or PDF writer behind it); returns the page count,
    // 0 when the printer could not be started.
    int print(QPrinter &printer) const;

    // The body font from the settings "Font" and "FontSize" (a size that is not a positive
    // number counts as 8).
    static QFont bodyFont();
    static QFont headerFont();
    // The text box's width: 9210 twips.
    static constexpr double TextWidthInches = 9210.0 / 1440.0;

private:
    QString m_title;
    QString m_text;
    QFont m_body;
};
