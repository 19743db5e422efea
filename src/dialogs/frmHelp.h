#pragma once

#include <QWidget>

class HelpBrowser;
class QHelpContentWidget;
class QHelpEngine;
class QHelpIndexWidget;
class QLineEdit;
class QTabWidget;

// The help window: the program's help pages from a Qt help collection, with a Contents tab
// (the table of contents) and an Index tab (keywords, filtered as the user types).
class frmHelp final : public QWidget
{
    Q_OBJECT

public:
    static const QString CollectionName;     // "chordex.qhc", in the program folder
    static const QString DocumentationName;  // "chordex.qch", beside it

    explicit frmHelp(const QString &collectionFile, QWidget *parent = nullptr);
    ~frmHelp() override;

    // Reads the collection; false with the reason when it cannot be used.
    bool Open(QString *error);
    void ShowContents();
    void ShowIndex();
    // Shows the first page listed in the index under the keyword; false when there is none.
    bool ShowKeyword(const QString &keyword);

    QHelpEngine *engine = nullptr;
    QTabWidget *tabs = nullptr;
    QHelpContentWidget *tvwContents = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QHelpIndexWidget *lvwIndex = nullptr;
    HelpBrowser *browser = nullptr;

private:
    void showFirstPage();
};
