#include "view/SearchFields.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SearchFields", text);
}

}  // namespace

SearchFields::SearchFields(QWidget *dialog, const SearchOptions &initial)
{
    txtFind = new QLineEdit(initial.text, dialog);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    lblFind = new QLabel(tr("Fi&nd what:"), dialog);
    lblFind->setBuddy(txtFind);
    chkMatchCase = new QCheckBox(tr("Match &case"), dialog);
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    chkMatchCase->setChecked(initial.matchCase);
    chkWholeWord = new QCheckBox(tr("Match &whole word only"), dialog);
    chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    chkWholeWord->setChecked(initial.wholeWord);
}

void SearchFields::addTo(QGridLayout &grid, int findRow, int checkRow) const
{
    grid.addWidget(lblFind, findRow, 0);
    grid.addWidget(txtFind, findRow, 1);
    grid.addWidget(chkMatchCase, checkRow, 0, 1, 2);
    grid.addWidget(chkWholeWord, checkRow + 1, 0, 1, 2);
}

SearchOptions SearchFields::read(SearchOptions base) const
{
    base.text = txtFind->text();
    base.matchCase = chkMatchCase->isChecked();
    base.wholeWord = chkWholeWord->isChecked();
    return base;
}

void SearchFields::focus() const
{
    txtFind->selectAll();
    txtFind->setFocus();
}
