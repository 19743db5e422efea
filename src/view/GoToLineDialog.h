#pragma once

#include <QDialog>

class QSpinBox;

// Asks for a line number between 1 and the editor's line count.
class GoToLineDialog final : public QDialog
{
    Q_OBJECT

public:
    GoToLineDialog(int lineCount, int currentLine, QWidget *parent = nullptr);

    int line() const;
    void setLine(int line);

private:
    QSpinBox *m_spnLine = nullptr;
};
