#include "browser/ctlBrowser.h"

#include "browser/AddressBox.h"
#include "browser/AddressHistory.h"
#include "browser/DownloadHandler.h"
#include "browser/GoKeywords.h"
#include "browser/StartPage.h"
#include "browser/WebControl.h"
#include "core/TextCodec.h"
#include "store/modADO.h"
#include "store/modSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>

namespace {

const QString PopupSection = QStringLiteral("BrowseSettings");
const QString PopupKey = QStringLiteral("Popups");
const QString PopupCaption = QStringLiteral("Disable Pop-Ups");
const QString StartPageName = QStringLiteral("Start Page");
const QString StartPageText = QStringLiteral("Chordex");  // the address box on the start page
const QUrl SearchPage(QStringLiteral("https://duckduckgo.com/"));

// Pop-ups are blocked unless the user cleared the box: the box and the blocking share this.
bool popupsBlocked()
{
    return modSettings::GetSetting(PopupSection, PopupKey, QStringLiteral("1")) == QLatin1String("1");
}

bool isCtrlS(const QKeyEvent *key)
{
    return key->key() == Qt::Key_S
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

QFrame *separatorLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The page's text as the store keeps it: CR LF line ends, plain blanks.
QString storeText(QString text)
{
    return TextCodec::toCrLf(text.replace(QChar(0x00a0), QLatin1Char(' ')));
}

}  // namespace

ctlBrowser::ctlBrowser(Prompts &prompts, QWidget *parent)
    : QWidget(parent)
    , m_prompts(prompts)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(2, 0, 2, 0);
    m_layout->setSpacing(2);

    buildToolbar();
    m_layout->addWidget(tbrToolbar);
    m_layout->addWidget(separatorLine(this));
    buildAddressRow(m_layout);
    m_layout->addWidget(separatorLine(this));
    m_layout->addStretch(1);  // the web view takes this place when it is made

    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
    lblStatus = new QLabel(sbStatusBar);
    sbStatusBar->addWidget(lblStatus, 1);
    pBar = new QProgressBar(sbStatusBar);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setMaximumWidth(160);
    pBar->setTextVisible(false);
    pBar->hide();
    sbStatusBar->addPermanentWidget(pBar);
    m_layout->addWidget(sbStatusBar);

    tmrPopup = new QTimer(this);
    tmrPopup->setSingleShot(true);
    connect(tmrPopup, &QTimer::timeout, this, &ctlBrowser::restorePopupCaption);

    m_downloads = new DownloadHandler(m_prompts, this);
    connect(m_downloads, &DownloadHandler::ImportReady, this, &ctlBrowser::DirectImport);
    connect(m_downloads, &DownloadHandler::StatusText, lblStatus, &QLabel::setText);

    watchKeys(this);
}

ctlBrowser::~ctlBrowser()
{
    // Pages must go before the profile they use.
    qDeleteAll(findChildren<WebControl *>(Qt::FindDirectChildrenOnly));
    delete profile;
}

void ctlBrowser::buildToolbar()
{
    tbrToolbar = new QToolBar(this);
    tbrToolbar->setObjectName(QStringLiteral("tbrToolbar"));
    tbrToolbar->setIconSize(QSize(20, 20));
    const auto add = [this](const char *key, const char *icon) {
        const QString name = QLatin1String(key);
        QAction *button = tbrToolbar->addAction(QIcon::fromTheme(QLatin1String(icon)), name);
        button->setObjectName(name);
        button->setToolTip(name);
        connect(button, &QAction::triggered, this, [this, name] { tbrToolbar_ButtonClick(name); });
        return button;
    };
    add("Back", "go-previous")->setEnabled(false);
    add("Forward", "go-next")->setEnabled(false);
    add("Stop", "process-stop");
    add("Refresh", "view-refresh");
    add("Home", "go-home");
    tbrToolbar->addSeparator();
    add("Search", "edit-find");
    add("Favorites", "bookmark-new")->setToolTip(QStringLiteral("Favorites (address history)"));
    add("AddFav", "document-save")->setToolTip(QStringLiteral("Save To Chordex"));
}

void ctlBrowser::buildAddressRow(QVBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    lblAddress = new QLabel(QStringLiteral("Address:"), this);
    cboURL = new AddressBox(this);
    cboURL->setObjectName(QStringLiteral("cboURL"));
    cboURL->setEditText(StartPageText);
    cboURL->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tbrGo = new QToolBar(this);
    tbrGo->setObjectName(QStringLiteral("tbrGo"));
    tbrGo->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *go = tbrGo->addAction(QStringLiteral("Go!"));
    go->setObjectName(QStringLiteral("go"));
    chkPopup = new QCheckBox(PopupCaption, this);
    chkPopup->setObjectName(QStringLiteral("chkPopup"));
    row->addWidget(lblAddress);
    row->addWidget(cboURL, 1);
    row->addWidget(tbrGo);
    row->addWidget(chkPopup);
    layout->addLayout(row);

    connect(go, &QAction::triggered, this, &ctlBrowser::tbrGo_ButtonClick);
    connect(cboURL, &AddressBox::GoRequested, this, &ctlBrowser::tbrGo_ButtonClick);
    connect(cboURL, &AddressBox::RecordRequested, this, &ctlBrowser::AddToHistory);
    connect(chkPopup, &QCheckBox::clicked, this, [](bool checked) {
        modSettings::SaveSetting(PopupSection, PopupKey, checked ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

QAction *ctlBrowser::tbrButton(const QString &key) const
{
    for (QAction *button : tbrToolbar->actions()) {
        if (button->objectName() == key)
            return button;
    }
    return key == QLatin1String("go") ? tbrGo->actions().value(0) : nullptr;
}

// ---- start and navigation -------------------------------------------------------------------

QString ctlBrowser::StartPagePath() const
{
    return modADO::ProgramPath() + QStringLiteral("Start.html");
}

QString ctlBrowser::startAddress() const
{
    return modSettings::GetSetting(QStringLiteral("Options"), QStringLiteral("BrowsStart"), StartPagePath());
}

QString ctlBrowser::StartPageHTML()
{
    return StartPage::StartPageHTML();
}

void ctlBrowser::InitBrowse()
{
    chkPopup->setChecked(popupsBlocked());
    StartPage::WriteStartPage(StartPagePath());  // a page that cannot be written stays as it was
    const QString history = modADO::ProgramPath() + QStringLiteral("url.dat");
    if (QFileInfo::exists(history)) {
        const QString shown = cboURL->currentText();
        cboURL->clear();
        cboURL->addItems(AddressHistory::Load(history));
        cboURL->setEditText(shown);
    }
    BrowseNavigate(startAddress());
}

void ctlBrowser::BrowseNavigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid()) {
        lblStatus->setText(QStringLiteral("Not a web address: ") + address);
        return;
    }
    if (brw)
        brw->load(url);
    else
        m_pendingUrl = url;
}

void ctlBrowser::ComboFocus()
{
    cboURL->setFocus();
}

void ctlBrowser::BrowserFocus()
{
    if (brw)
        brw->setFocus();
}

QUrl ctlBrowser::currentUrl() const
{
    return brw ? brw->url() : m_pendingUrl;
}

bool ctlBrowser::IsStartPage(const QUrl &url) const
{
    return url.isLocalFile() && QFileInfo(url.toLocalFile()) == QFileInfo(StartPagePath());
}

QString ctlBrowser::PageURL() const
{
    const QUrl url = currentUrl();
    return IsStartPage(url) ? StartPageName : url.toString();
}

QString ctlBrowser::PageTitle() const
{
    if (IsStartPage(currentUrl()))
        return StartPageName;
    return brw ? brw->title() : QString();
}

void ctlBrowser::tbrGo_ButtonClick()
{
    const QString typed = cboURL->currentText();
    const GoKeywords::Page page = GoKeywords::Match(typed);
    cboURL->setFocus();
    if (page != GoKeywords::Page::None) {
        BrowseNavigate(GoKeywords::Address(page, QUrl::fromUserInput(startAddress())).toString());
        return;
    }
    BrowseNavigate(typed);
    cboURL->clearTypedPrefix();
}

void ctlBrowser::AddToHistory()
{
    QString stored;
    const auto result = AddressHistory::Record(modADO::ProgramPath() + QStringLiteral("url.dat"),
                                               cboURL->currentText(), &stored);
    if (result == AddressHistory::Result::Recorded)
        cboURL->addItem(stored);
    else if (result == AddressHistory::Result::Failed)
        lblStatus->setText(QStringLiteral("The address could not be added to the history file."));
}

void ctlBrowser::tbrToolbar_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Home")) {
        BrowseNavigate(startAddress());
    } else if (key == QLatin1String("Search")) {
        BrowseNavigate(SearchPage.toString());
    } else if (key == QLatin1String("Favorites")) {
        cboURL->setFocus();
        cboURL->showPopup();
    } else if (key == QLatin1String("AddFav")) {
        RequestImport();
    } else if (brw) {
        if (key == QLatin1String("Back"))
            brw->back();
        else if (key == QLatin1String("Forward"))
            brw->forward();
        else if (key == QLatin1String("Stop"))
            brw->stop();
        else if (key == QLatin1String("Refresh"))
            brw->reload();
    }
}

// ---- the web view ---------------------------------------------------------------------------

void ctlBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!brw)
        createView();
}

void ctlBrowser::createView()
{
    // A named profile keeps cookies, cache and history on disk across runs.
    profile = new QWebEngineProfile(QStringLiteral("Chordex"), this);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    connect(profile, &QWebEngineProfile::downloadRequested, m_downloads, &DownloadHandler::handle);

    brw = new WebControl(profile, this);
    brw->setObjectName(QStringLiteral("brw"));
    brw->setPopupRule(&popupsBlocked);
    const int stretch = m_layout->indexOf(sbStatusBar) - 1;
    delete m_layout->takeAt(stretch);
    m_layout->insertWidget(stretch, brw, 1);
    setFocusProxy(brw);
    watchKeys(brw);

    connect(brw, &WebControl::PopupBlocked, this, [this] { ShowPopupBlocked(3); });
    connect(brw, &QWebEngineView::titleChanged, this, &ctlBrowser::TitleChange);
    connect(brw, &QWebEngineView::loadStarted, this, [this] {
        pBar->setRange(0, 100);
        pBar->setValue(0);
        pBar->show();
    });
    connect(brw, &QWebEngineView::loadProgress, this, [this](int progress) {
        pBar->setValue(qBound(pBar->minimum(), progress, pBar->maximum()));
    });
    connect(brw, &QWebEngineView::loadFinished, this, &ctlBrowser::brw_NavigateComplete);
    connect(brw->page(), &QWebEnginePage::linkHovered, lblStatus, &QLabel::setText);
    const auto history = [this] {
        tbrButton(QStringLiteral("Back"))->setEnabled(brw->history()->canGoBack());
        tbrButton(QStringLiteral("Forward"))->setEnabled(brw->history()->canGoForward());
    };
    connect(brw->pageAction(QWebEnginePage::Back), &QAction::changed, this, history);
    connect(brw->pageAction(QWebEnginePage::Forward), &QAction::changed, this, history);
    connect(brw, &QWebEngineView::urlChanged, this, history);

    if (m_pendingUrl.isValid())
        brw->load(m_pendingUrl);
    m_pendingUrl = QUrl();
}

void ctlBrowser::brw_NavigateComplete(bool ok)
{
    const QUrl url = brw->url();
    cboURL->showAddress(IsStartPage(url) ? StartPageText : url.toString());
    pBar->hide();
    if (!ok)
        lblStatus->setText(QStringLiteral("The page could not be opened."));
}

// ---- import, Ctrl+S and pop-ups -------------------------------------------------------------

void ctlBrowser::ImportText(const std::function<void(const QString &)> &done)
{
    if (!brw) {
        done(QString());
        return;
    }
    QPointer<ctlBrowser> alive(this);
    brw->page()->runJavaScript(
        QStringLiteral("document.documentElement ? document.documentElement.innerText : ''"),
        QWebEngineScript::ApplicationWorld, [alive, done](const QVariant &result) {
            if (alive)
                done(storeText(result.toString()));
        });
}

void ctlBrowser::RequestImport()
{
    if (m_importPending)
        return;  // a second Ctrl+S while the page's text is on its way
    m_importPending = true;
    const QString address = PageURL();
    const QString title = PageTitle();
    ImportText([this, address, title](const QString &text) {
        m_importPending = false;
        emit DirectImport(address, title, text);
    });
}

void ctlBrowser::watchKeys(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool ctlBrowser::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        // The web view makes its page widget later; it must answer Ctrl+S too.
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watchKeys(static_cast<QWidget *>(child));
        break;
    }
    case QEvent::ShortcutOverride:
        // Claims Ctrl+S before the main window's Save shortcut sees it.
        if (isCtrlS(static_cast<QKeyEvent *>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (isCtrlS(static_cast<QKeyEvent *>(event))) {
            RequestImport();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ctlBrowser::ShowPopupBlocked(int seconds)
{
    chkPopup->setText(QStringLiteral("Disabled!"));
    QFont font = chkPopup->font();
    font.setBold(true);
    chkPopup->setFont(font);
    QPalette palette = chkPopup->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    palette.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    chkPopup->setPalette(palette);
    tmrPopup->start(seconds * 1000);  // a second pop-up starts the count again
}

void ctlBrowser::restorePopupCaption()
{
    chkPopup->setText(PopupCaption);
    chkPopup->setFont(QFont());
    chkPopup->setPalette(QPalette());
}
