#pragma once

#include <QObject>
#include <QString>

class Prompts;
class QWebEngineDownloadRequest;

// Answers the web view's downloads: none is dropped silently. A .tab, .crd or .txt download
// can go straight into the store (ImportReady carries its text); any other download, or one
// the user keeps on disk, is saved where the user chooses.
class DownloadHandler final : public QObject
{
    Q_OBJECT

public:
    explicit DownloadHandler(Prompts &prompts, QObject *parent = nullptr);

    void handle(QWebEngineDownloadRequest *download);

    static bool IsTabFile(const QString &fileName);
    // The text of a downloaded tab file: UTF-8 when the bytes are valid UTF-8 (a BOM is
    // dropped), otherwise read as Latin-1, so that no byte is lost.
    static QString DecodeText(const QByteArray &bytes);

signals:
    void ImportReady(const QString &address, const QString &title, const QString &text);
    void StatusText(const QString &text);

private:
    void importIntoStore(QWebEngineDownloadRequest *download);
    void saveToDisk(QWebEngineDownloadRequest *download);
    void reportFailure(QWebEngineDownloadRequest *download);

    Prompts &m_prompts;
};
