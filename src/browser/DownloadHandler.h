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

signals:
    void ImportReady(const QString &address, const QString &title, const QString &text);
    void StatusText(const QString &text);

private:
    void importIntoStore(QWebEngineDownloadRequest *download);
    void saveToDisk(QWebEngineDownloadRequest *download);
    void reportFailure(QWebEngineDownloadRequest *download);

    Prompts &m_prompts;
};
