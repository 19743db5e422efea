#pragma once

#include "view/SearchFields.h"
#include "view/SearchOptions.h"

#include <QDialog>

class QPushButton;

// Asks what to find. "Find Next" accepts the dialog; the caller runs the search, and
// Find Next / Find Previous repeat it later without the dialog.
class FindDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit FindDialog(const SearchOptions &initial, QWidget *parent = nullptr);

    // The initial options with the text and choices of the dialog.
    SearchOptions options() const;

private:
    SearchOptions m_options;
    SearchFields m_fields;
    QPushButton *m_cmdFindNext = nullptr;
};
