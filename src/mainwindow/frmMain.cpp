#include "mainwindow/frmMain.h"

#include "core/EditMode.h"
#include "core/Prompts.h"
#include "ui/StoreErrors.h"
#include "ui/Twips.h"
#include "core/Version.h"
#include "details/ctlDetails.h"
#include "splitter/Splitter.h"
#include "store/clsTablature.h"
#include "store/modADO.h"
#include "store/modSettings.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QToolBar>

namespace {

const QString Section = QStringLiteral("Settings");
constexpr int DefaultTreeSplit = 27;
constexpr int DefaultDetailsSplit = 70;

}  // namespace

frmMain::frmMain(Prompts &prompts, QWidget *parent) : QMainWindow(parent), m_prompts(prompts)
{
    setWindowTitle(QString::fromLatin1(chordex::AppTitle));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("x-office-address-book")));

    tmrDB = new QTimer(this);
    tmrDB->setInterval(600);
    tmrDB->setSingleShot(true);
    connect(tmrDB, &QTimer::timeout, this, [this] {
        tmrDB->stop();
        OpenDefaultStore();
    });
    tmr = new QTimer(this);
    tmr->setInterval(100);
    tmr->setSingleShot(true);
    connect(tmr, &QTimer::timeout, this, [this] {
        tmr->stop();
        mnuFileEdit_Click();
    });

    buildMenus();
    buildPanes();
    buildToolbar();
    connectPanes();
    connectFiles();
    connectStores();
    connectCollection();
    buildBrowser();
    connectHelpCommands();

    QDir().mkpath(modADO::ProgramPath() + QStringLiteral("db"));  // an error here is ignored
    RefreshCommands();
    ctlView1->SetOptions();
    SetupToolbar();

    setMinimumSize(Twips::ToPixels(9000), Twips::ToPixels(6300));
    resize(qMax(minimumWidth(), 1100), qMax(minimumHeight(), 760));
}

frmMain::~frmMain() = default;

void frmMain::buildPanes()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    client->installEventFilter(this);

    picToolBar = new QWidget(client);
    picToolBar->installEventFilter(this);
    tbr = new QToolBar(picToolBar);
    tbr->setIconSize(QSize(22, 22));
    tbr->setFloatable(false);
    tbr->setMovable(false);

    Splitter1 = new Splitter(client);
    Splitter1->setOrientation(true);
    Splitter1->setSplitterWidth(Twips::ToPixels(40));
    Splitter2 = new Splitter(Splitter1);
    Splitter2->setOrientation(false);
    Splitter2->setSplitterWidth(Twips::ToPixels(40));

    ctlTree1 = new ctlTree(m_prompts, Splitter2);
    ctlView1 = new ctlView(m_prompts, Splitter2);
    ctlDetails1 = new ctlDetails(m_prompts, Splitter1);

    Splitter1->setChild1(Splitter2);
    Splitter1->setChild2(ctlDetails1);
    Splitter2->setChild1(ctlTree1);
    Splitter2->setChild2(ctlView1);

    mnuViewTree->setChecked(true);
    mnuViewDetails->setChecked(true);
}

bool frmMain::guard(const std::function<void()> &work)
{
    return ReportStoreErrors(m_prompts, work);
}

// ---- stores ----------------------------------------------------------------------------------

void frmMain::OpenDefaultStore()
{
    const QString file = modSettings::GetSetting(Section, QStringLiteral("ChordexFile"),
                                                 modADO::ProgramPath() + QStringLiteral("db/Sample.mdb"));
    if (file.isEmpty())
        return;
    if (QFileInfo::exists(file)) {
        OpenStore(file, modSettings::GetSetting(Section, QStringLiteral("ChordexName"), QStringLiteral("Sample")));
    } else {
        modSettings::SaveSetting(Section, QStringLiteral("ChordexFile"), QString());
        modSettings::SaveSetting(Section, QStringLiteral("ChordexName"), QString());
    }
}

void frmMain::OpenStore(const QString &filePath, const QString &displayName)
{
    const QString previousPath = modADO::StorePath();
    const QString previousName = modADO::StoreName();
    if (!modADO::OpenConnection(filePath, displayName)) {
        const QString reason = modADO::LastOpenError();
        // The panes still show the store before; keep it open so they stay true. When it
        // cannot be opened again, the panes and commands show that no store is open.
        if (previousPath.isEmpty() || !modADO::OpenConnection(previousPath, previousName)) {
            modADO::CloseConnection();
            setWindowTitle(QString::fromLatin1(chordex::AppTitle));
            ClearPanes();
        }
        m_prompts.message(QStringLiteral("The Chordex \"%1\" could not be opened.\r\n\r\n%2")
                              .arg(displayName, reason),
                          QString::fromLatin1(chordex::AppTitle), Prompts::Icon::Critical,
                          Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    setWindowTitle(QStringLiteral("Chordex [") + displayName + QStringLiteral("]"));
    ClearPanes();
    guard([this] {
        if (ctlTree1->LoadTree())
            ctlDetails1->LoadBookmarks();
    });
    RefreshCommands();
}

void frmMain::ClearPanes()
{
    releaseDocument();  // the file it holds is no longer shown
    ctlTree1->ClearAll();
    ctlView1->ClearAll();
    ctlDetails1->ClearAll();
    RefreshCommands();
}

// ---- window state ----------------------------------------------------------------------------

bool frmMain::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)
        Form_Activate();
    return QMainWindow::event(e);
}

void frmMain::Form_Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    tmrDB->start();
}

void frmMain::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    if (y() < 0)
        move(x(), 0);
}

bool frmMain::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::Resize) {
        if (watched == centralWidget())
            layoutClientArea();
        else if (watched == picToolBar)
            tbr->resize(picToolBar->width(), tbr->height());
    }
    return QMainWindow::eventFilter(watched, e);
}

void frmMain::layoutClientArea()
{
    if (isMinimized())
        return;
    QWidget *client = centralWidget();
    const int barHeight = tbr->sizeHint().height();
    picToolBar->setGeometry(0, 0, client->width(), barHeight);
    Splitter1->setGeometry(0, barHeight, client->width(), qMax(0, client->height() - barHeight));
}

void frmMain::mnuViewTree_Click()
{
    togglePane(mnuViewTree, ctlTree1, Splitter2, QStringLiteral("Splitter2"), 0, DefaultTreeSplit);
    layoutClientArea();
}

void frmMain::mnuViewDetails_Click()
{
    togglePane(mnuViewDetails, ctlDetails1, Splitter1, QStringLiteral("Splitter1"), 100, DefaultDetailsSplit);
}

void frmMain::togglePane(QAction *entry, QWidget *pane, Splitter *splitter, const QString &key,
                         int hiddenSplit, int defaultSplit)
{
    if (entry->isChecked()) {
        modSettings::SaveSetting(Section, key, QString::number(splitter->SplitPercent()));
        entry->setChecked(false);
        pane->hide();
        splitter->setSplitPercent(hiddenSplit);
    } else {
        entry->setChecked(true);
        pane->show();
        bool ok = false;
        const int saved = modSettings::GetSetting(Section, key, QString::number(defaultSplit)).toInt(&ok);
        splitter->setSplitPercent(ok ? saved : defaultSplit);
    }
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::closeEvent(QCloseEvent *e)
{
    // Unsaved edits are not dropped silently: leaving edit mode asks, and Cancel keeps the
    // window open.
    if (!m_unloaded && !EndEditFirst()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    stopSearch();
    const bool treeShown = mnuViewTree->isChecked();
    const bool detailsShown = mnuViewDetails->isChecked();
    modSettings::SaveSetting(Section, QStringLiteral("Tree"), modSettings::BoolText(treeShown));
    modSettings::SaveSetting(Section, QStringLiteral("Details"), modSettings::BoolText(detailsShown));
    modSettings::SaveSetting(Section, QStringLiteral("DetailTab"), QString::number(ctlDetails1->SelectedTab()));
    modSettings::SaveSetting(Section, QStringLiteral("ViewTab"), QString::number(ctlView1->SelectedTab()));
    modSettings::SaveSetting(Section, QStringLiteral("SearchText"), ctlTree1->SearchText());
    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        auto twips = [](int pixels) { return QString::number(float(Twips::FromPixels(pixels))); };
        modSettings::SaveSetting(Section, QStringLiteral("MainTop"), twips(frame.top()));
        modSettings::SaveSetting(Section, QStringLiteral("MainLeft"), twips(frame.left()));
        modSettings::SaveSetting(Section, QStringLiteral("MainWidth"), twips(frame.width()));
        modSettings::SaveSetting(Section, QStringLiteral("MainHeight"), twips(frame.height()));
        modSettings::SaveSetting(Section, QStringLiteral("WindowState"), isMaximized() ? QStringLiteral("2") : QStringLiteral("0"));
    }
    if (detailsShown)
        modSettings::SaveSetting(Section, QStringLiteral("Splitter1"), QString::number(Splitter1->SplitPercent()));
    if (treeShown)
        modSettings::SaveSetting(Section, QStringLiteral("Splitter2"), QString::number(Splitter2->SplitPercent()));
    hide();
    tmrDB->stop();
    tmr->stop();
    objTablature.reset();
}
