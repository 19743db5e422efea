#include "browser/DownloadHandler.h"

#include "core/Prompts.h"
#include "core/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEngineDownloadRequest>

#include <memory>

namespace {

const QString Title = QStringLiteral("Download");

}  // namespace

DownloadHandler::DownloadHandler(Prompts &prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
{
}

bool DownloadHandler::IsTabFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("tab") || suffix == QLatin1String("crd")
        || suffix == QLatin1String("txt");
}

void DownloadHandler::handle(QWebEngineDownloadRequest *download)
{
    const QString name = download->downloadFileName();
    if (IsTabFile(name)) {
        const Prompts::Answer answer = m_prompts.message(
            QStringLiteral("Save \"%1\" as a new file in your Chordex?\r\n\r\n"
                           "Choose No to save it on disk instead.").arg(name),
            Title, Prompts::Icon::Question, Prompts::Buttons::YesNoCancel, Prompts::Answer::Yes);
        if (answer == Prompts::Answer::Yes) {
            importIntoStore(download);
            return;
        }
        if (answer != Prompts::Answer::No) {
            download->cancel();
            emit StatusText(QStringLiteral("Download cancelled."));
            return;
        }
    }
    saveToDisk(download);
}

void DownloadHandler::saveToDisk(QWebEngineDownloadRequest *download)
{
    const QString name = download->downloadFileName();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = m_prompts.saveFile(QStringLiteral("Save Download"),
                                            QDir(folder).filePath(name),
                                            QStringLiteral("All files (*)"));
    if (path.isEmpty()) {
        download->cancel();
        emit StatusText(QStringLiteral("Download cancelled."));
        return;
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, download, path] {
        if (download->state() == QWebEngineDownloadRequest::DownloadCompleted)
            emit StatusText(QStringLiteral("Saved ") + QDir::toNativeSeparators(path));
        else
            reportFailure(download);
    });
    download->accept();
    emit StatusText(QStringLiteral("Downloading ") + target.fileName() + QStringLiteral("..."));
}

void DownloadHandler::importIntoStore(QWebEngineDownloadRequest *download)
{
    auto folder = std::make_shared<QTemporaryDir>();
    if (!folder->isValid()) {
        m_prompts.message(QStringLiteral("There is no room to receive the download."), Title,
                          Prompts::Icon::Exclamation);
        download->cancel();
        return;
    }
    const QString name = download->downloadFileName();
    download->setDownloadDirectory(folder->path());
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
            [this, download, folder, name] {
                if (download->state() != QWebEngineDownloadRequest::DownloadCompleted) {
                    reportFailure(download);
                    return;
                }
                QFile file(QDir(download->downloadDirectory()).filePath(download->downloadFileName()));
                if (!file.open(QIODevice::ReadOnly)) {
                    m_prompts.message(QStringLiteral("The download \"%1\" could not be read.").arg(name),
                                      Title, Prompts::Icon::Exclamation);
                    return;
                }
                const TextCodec::Decoded decoded = TextCodec::decode(file.readAll());
                file.close();
                folder->remove();
                if (decoded.binary) {
                    m_prompts.message(QStringLiteral("The download \"%1\" is not a text file.").arg(name),
                                      Title, Prompts::Icon::Exclamation);
                    return;
                }
                emit StatusText(QString());
                emit ImportReady(download->url().toString(), QFileInfo(name).completeBaseName(), decoded.text);
            });
    download->accept();
    emit StatusText(QStringLiteral("Downloading ") + name + QStringLiteral("..."));
}

void DownloadHandler::reportFailure(QWebEngineDownloadRequest *download)
{
    if (download->state() == QWebEngineDownloadRequest::DownloadCancelled) {
        emit StatusText(QStringLiteral("Download cancelled."));
        return;
    }
    emit StatusText(QString());
    m_prompts.message(QStringLiteral("The download \"%1\" failed: %2")
                          .arg(download->downloadFileName(), download->interruptReasonString()),
                      Title, Prompts::Icon::Exclamation);
}
