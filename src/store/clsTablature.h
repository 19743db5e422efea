#pragma once

#include <QObject>
#include <QString>

// The document object of the selected tab file: its identity and content, loaded from the
// open store, with the changes to the file and its bookmark. Every change the bookmark list
// must follow is announced by a signal. Engine errors reach the caller as DbError.
class clsTablature : public QObject
{
    Q_OBJECT

public:
    explicit clsTablature(QObject *parent = nullptr);

    // Identifier properties: read as decimal text, written as text (range-checked).
    QString CategoryId() const;
    void setCategoryId(const QString &value);
    QString FolderId() const;
    void setFolderId(const QString &value);
    QString FileId() const;
    void setFileId(const QString &value);
    qint32 categoryIdValue() const { return m_categoryId; }
    qint32 folderIdValue() const { return m_folderId; }
    qint32 fileIdValue() const { return m_fileId; }

    QString Title() const { return m_title; }
    void setTitle(const QString &value) { m_title = value; }
    QString Tablature() const { return m_tablature; }
    void setTablature(const QString &value) { m_tablature = value; }
    QString Notes() const { return m_notes; }
    void setNotes(const QString &value) { m_notes = value; }
    QString BookmarkTitle() const { return m_bookmarkTitle; }
    void setBookmarkTitle(const QString &value) { m_bookmarkTitle = value; }
    QString BookmarkDescription() const { return m_bookmarkDescription; }
    void setBookmarkDescription(const QString &value) { m_bookmarkDescription = value; }

    // The bookmark key when the selected file has a bookmark, else empty text.
    QString BookmarkExists() const;
    // category_id "||" directory_id "||" file_id of the selected file.
    QString Key() const;

    void InsertBookmark(const QString &title, const QString &description);
    void DeleteFile(qint32 fileId);
    void DeleteBookmark(qint32 bookmarkId);
    bool SelectBookmark(qint32 bookmarkId);
    void SelectTabFile(qint32 categoryId, qint32 folderId, qint32 fileId);
    // The bookmark's own file: its key and title. False when the bookmark or its file is gone.
    bool BookmarkFile(qint32 bookmarkId, QString &key, QString &fileTitle) const;
    // UpdateBookmark and DeleteBookmark announce the key of the bookmark's own file, whatever
    // file the object holds; the object's own key only when the bookmark row does not exist.
    void UpdateBookmark(qint32 bookmarkId, const QString &title, const QString &description);
    void UpdateFile(const QString &tab, const QString &notes);
    void RenameFile(const QString &newTitle);

signals:
    void OnTabSelect();
    void OnBookmarkInsert(qint32 bookmarkId, const QString &key, const QString &categoryName,
                          const QString &folderName, const QString &fileTitle,
                          const QString &bookmarkTitle, const QString &bookmarkDescription);
    void OnBookmarkDelete(const QString &key);
    void OnBookmarkFileRename(const QString &key, const QString &newTitle);
    void OnBookmarkUpdate(const QString &key, const QString &bookmarkTitle,
                          const QString &bookmarkDescription);
    void OnFileDelete(const QString &key);

private:
    QString bookmarkKey(qint32 bookmarkId) const;

    qint32 m_categoryId = 0;
    qint32 m_folderId = 0;
    qint32 m_fileId = 0;
    QString m_title;
    QString m_tablature;
    QString m_notes;
    QString m_folderName;
    QString m_categoryName;
    QString m_bookmarkTitle;
    QString m_bookmarkDescription;
};
