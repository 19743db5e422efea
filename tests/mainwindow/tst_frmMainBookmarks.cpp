#include "MainFixture.h"

#include "StoreRows.h"
#include "details/ctlDetails.h"
#include "dialogs/frmBookmark.h"
#include "store/clsTablature.h"
#include "ui/ListViewAdapter.h"

#include <QAction>
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
        QCOMPARE(f.w->ctlDetails1->lvwBookmarks->currentItem(), listItem(f, "1||1||1"));
    }

    // Another file is shown: the commands act on the bookmark's own file.
    void editAndDeleteActOnTheBookmarksOwnFile()
    {
        MainFixture f;
        f.openTestStore();
        StoreRows::exec(f.store, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                                 "VALUES ('Two','',1,1,2)");
        f.w->ctlDetails1->LoadBookmarks();
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

};

QTEST_MAIN(tst_frmMainBookmarks)
#include "tst_frmMainBookmarks.moc"
