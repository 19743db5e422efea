#include "MainFixture.h"

#include "StoreRows.h"
#include "details/ctlDetails.h"
#include "dialogs/frmBookmark.h"
#include "dialogs/frmSearch.h"
#include "store/clsTablature.h"
#include "ui/ListViewAdapter.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

// Bookmarks and the full-text search as the main window runs them.
class tst_frmMainBookmarks : public QObject
{
    Q_OBJECT

    static QString bookmarkRows(const MainFixture &f)
    {
        return StoreRows::column(f.store, "SELECT bookmark || '/' || description || '/' || category_id || '||' || "
                                          "directory_id || '||' || file_id FROM bookmarks ORDER BY bookmark_id")
            .join(" ");
    }

    static QTreeWidgetItem *listItem(const MainFixture &f, const QString &key)
    {
        return ListViewAdapter::findKey(*f.w->ctlDetails1->lvwBookmarks, key);
    }

    // Answers the next bookmark dialog: checks what it shows, types a title, presses OK.
    static void answerBookmark(MainFixture &f, const QString &caption, const QString &shownTitle,
                               const QString &newTitle)
    {
        f.prompts.answerModal([=](QDialog &d) {
            auto &dialog = static_cast<frmBookmark &>(d);
            if (dialog.lblCaption[1]->text() != caption || dialog.txtTitle->text() != shownTitle)
                return int(QDialog::Rejected);
            dialog.txtTitle->setText(newTitle);
            dialog.cmdOk_Click();
            return int(QDialog::Accepted);
        });
    }

private slots:
    void addThenAlreadyExists()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        QVERIFY(f.w->mnuBookmarkFile->isEnabled());
        answerBookmark(f, "One", "", " Favourite ");
        f.w->mnuBookmarkFile->trigger();
        QCOMPARE(bookmarkRows(f), QString("Low/Bass line/2||3||3 Favourite//1||1||1"));
        QVERIFY(listItem(f, "1||1||1"));
        QCOMPARE(listItem(f, "1||1||1")->text(2), QString("One"));

        f.w->mnuBookmarkFile->trigger();
        QCOMPARE(f.prompts.last().text, QString("Bookmark already exists!"));
        QCOMPARE(f.prompts.last().title, QString("Find"));
        QCOMPARE(f.w->ctlDetails1->lvwBookmarks->currentItem(), listItem(f, "1||1||1"));
    }

    void editAndDeleteActOnTheBookmarksOwnFile_data()
    {
        QTest::addColumn<bool>("withDocument");
        QTest::newRow("another file shown") << true;
        QTest::newRow("no file shown") << false;
    }
    void editAndDeleteActOnTheBookmarksOwnFile()
    {
        QFETCH(bool, withDocument);
        MainFixture f;
        f.openTestStore();
        StoreRows::exec(f.store, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                                 "VALUES ('Two','',1,1,2)");
        f.w->ctlDetails1->LoadBookmarks();
        if (withDocument)
            f.clickFile(1, 1, 1);
        QTreeWidget *list = f.w->ctlDetails1->lvwBookmarks;
        list->setCurrentItem(listItem(f, "2||3||3"));

        answerBookmark(f, "Three", "Low", "Lower");
        f.w->mnuEditBookmark_Click();
        QCOMPARE(bookmarkRows(f), QString("Lower/Bass line/2||3||3 Two//1||1||2"));
        QCOMPARE(listItem(f, "2||3||3")->text(0), QString("Lower"));
        QCOMPARE(listItem(f, "1||1||2")->text(0), QString("Two"));

        f.prompts.answer(Prompts::Answer::Yes);
        f.w->mnuBookmarkDelete_Click();
        QCOMPARE(bookmarkRows(f), QString("Two//1||1||2"));
        QCOMPARE(list->topLevelItemCount(), 1);
        QVERIFY(listItem(f, "1||1||2"));
        // the remaining bookmark took the selection and its file is shown
        QVERIFY(f.w->objTablature);
        QCOMPARE(f.w->objTablature->Key(), QString("1||1||2"));
    }

    void bookmarkWhoseFileIsGone()
    {
        MainFixture f;
        f.openTestStore();
        StoreRows::exec(f.store, "DELETE FROM file WHERE file_id=3");
        f.w->ctlDetails1->lvwBookmarks->setCurrentItem(listItem(f, "2||3||3"));
        f.w->mnuEditBookmark_Click();
        QCOMPARE(f.prompts.last().text, QString("File could not be found!"));
        QCOMPARE(f.prompts.last().title, QString("Error"));
        QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), 0);
    }

    void searchThenOpenAResult()
    {
        MainFixture f;
        f.openTestStore();
        f.w->mnuEditSearch->trigger();
        QPointer<frmSearch> form = f.w->SearchForm;
        QVERIFY(form);
        f.w->mnuEditSearch->trigger();
        QCOMPARE(f.w->SearchForm, form);  // one dialog at a time

        form->txtSearch->setText("FIRST");
        form->chkTitles->setChecked(true);
        form->chkTab->setChecked(true);
        form->chkNotes->setChecked(true);
        form->cmdSearch_Click();
        QCOMPARE(f.w->ctlDetails1->lblSearchResults->text(), QString(" 1 Search Results For: FIRST"));
        QCOMPARE(f.prompts.last().text, QString("Finished Searching!"));

        emit f.w->ctlDetails1->OnSearchClick("1||1||1");
        QVERIFY(f.w->objTablature);
        QCOMPARE(f.w->objTablature->Key(), QString("1||1||1"));
        QCOMPARE(f.w->ctlView1->SelectedTab(), 2);  // the match is only in the notes
        QCOMPARE(f.w->ctlView1->TextNotes()->selectedText(), QString("first"));

        form->close();
        QVERIFY(!f.w->SearchForm);
    }
};

QTEST_MAIN(tst_frmMainBookmarks)
#include "tst_frmMainBookmarks.moc"
