#pragma once

#include "view/SearchOptions.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The fields the Find and Replace dialogs share: the text to find and the two match choices.
class SearchFields
{
public:
    SearchFields(QWidget *dialog, const SearchOptions &initial);

    // The text box on row findRow; the two choices on checkRow and the row below it.
    void addTo(QGridLayout &grid, int findRow, int checkRow) const;
    // base with the dialog's text and choices.
    SearchOptions read(SearchOptions base) const;
    void focus() const;

    QLineEdit *txtFind = nullptr;
    QLabel *lblFind = nullptr;
    QCheckBox *chkMatchCase = nullptr;
    QCheckBox *chkWholeWord = nullptr;
};
