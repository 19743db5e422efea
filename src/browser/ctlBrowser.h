#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class AddressBox;
class DownloadHandler;
class Prompts;
class QAction;
class QCheckBox;
class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;
class QToolBar;
class QVBoxLayout;
class QWebEngineProfile;
class WebControl;

// The web browser pane: navigation buttons, the address box with its history and
// completion, pop-up blocking, a generated start page, and the import of a page's text
// (DirectImport). The web view and its profile are made when the pane is first shown, so a
// program that never opens the browser never starts the web engine.
class ctlBrowser final : public QWidget
{
    Q_OBJECT

public:
    explicit ctlBrowser(Prompts &prompts, QWidget *parent = nullptr);
    ~ctlBrowser() override;

    void InitBrowse();
    void BrowseNavigate(const QString &address);
    void ComboFocus();
    void BrowserFocus();
    QString PageURL() const;
    QString PageTitle() const;
    // The whole text of the page, CR LF line ends, handed to done when the page gives it.
    void ImportText(const std::function<void(const QString &)> &done);
    static QString StartPageHTML();

    // The "Disabled!" notice on the pop-up check box for the given seconds.
    void ShowPopupBlocked(int seconds);
    // Runs the import of the page (the "AddFav" button and Ctrl+S).
    void RequestImport();

    QString StartPagePath() const;
    bool IsStartPage(const QUrl &url) const;
    QAction *tbrButton(const QString &key) const;
    // The web view; null until the pane is first shown.
    WebControl *brw = nullptr;
    QWebEngineProfile *profile = nullptr;

    // Controls, named as the design names them.
    QToolBar *tbrToolbar = nullptr;
    QLabel *lblAddress = nullptr;
    AddressBox *cboURL = nullptr;
    QToolBar *tbrGo = nullptr;
    QCheckBox *chkPopup = nullptr;
    QStatusBar *sbStatusBar = nullptr;
    QLabel *lblStatus = nullptr;  // the status bar's first panel
    QProgressBar *pBar = nullptr;
    QTimer *tmrPopup = nullptr;

signals:
    void DirectImport(const QString &address, const QString &title, const QString &text);
    void TitleChange(const QString &title);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void buildAddressRow(QVBoxLayout *layout);
    void createView();
    void watchKeys(QWidget *widget);
    void tbrToolbar_ButtonClick(const QString &key);
    void tbrGo_ButtonClick();
    void AddToHistory();
    void brw_NavigateComplete(bool ok);
    void restorePopupCaption();
    QString startAddress() const;
    QUrl currentUrl() const;

    Prompts &m_prompts;
    QVBoxLayout *m_layout = nullptr;
    DownloadHandler *m_downloads = nullptr;
    QUrl m_pendingUrl;  // where the view goes once it exists
    bool m_importPending = false;
};
