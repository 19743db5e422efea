#include "ui/modMainUi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace modMain {

void SelectAllText(QLineEdit *box)
{
    box->setSelection(0, int(box->text().trimmed().size()));
}

void SetCaptionColours(QLabel *label, bool active)
{
    QPalette pal = label->palette();
    if (active) {
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, Qt::white);
    } else {
        // The workspace behind documents and the face colour of buttons, from the style.
        pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
        pal.setColor(QPalette::WindowText, pal.color(QPalette::Button));
    }
    label->setAutoFillBackground(true);
    label->setPalette(pal);
}

}  // namespace modMain
