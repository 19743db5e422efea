#include "dialogs/frmHelp.h"

#include "dialogs/HelpBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

const QString frmHelp::CollectionName = QStringLiteral("chordex.qhc");
const QString frmHelp::DocumentationName = QStringLiteral("chordex.qch");

frmHelp::frmHelp(const QString &collectionFile, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Chordex Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(900, 640);

    engine = new QHelpEngine(collectionFile, this);
    // The collection may sit in a folder the user cannot write; the window only reads it.
    engine->setReadOnly(true);
    engine->setUsesFilterEngine(true);

    tabs = new QTabWidget(this);
    tvwContents = engine->contentWidget();
    tabs->addTab(tvwContents, QStringLiteral("Contents"));

    auto *indexPage = new QWidget(this);
    auto *indexLayout = new QVBoxLayout(indexPage);
    auto *prompt = new QLabel(QStringLiteral("&Type the keyword to find:"), indexPage);
    txtKeyword = new QLineEdit(indexPage);
    prompt->setBuddy(txtKeyword);
    lvwIndex = engine->indexWidget();
    indexLayout->addWidget(prompt);
    indexLayout->addWidget(txtKeyword);
    indexLayout->addWidget(lvwIndex);
    tabs->addTab(indexPage, QStringLiteral("Index"));

    browser = new HelpBrowser(*engine, this);
    auto *split = new QSplitter(this);
    split->addWidget(tabs);
    split->addWidget(browser);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 640});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);

    connect(tvwContents, &QHelpContentWidget::linkActivated, browser, [this](const QUrl &link) {
        browser->setSource(link);
    });
    connect(lvwIndex, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document, const QString &) { browser->setSource(document.url); });
    connect(lvwIndex, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents, const QString &) {
                if (!documents.isEmpty())
                    browser->setSource(documents.first().url);
            });
    connect(txtKeyword, &QLineEdit::textChanged, lvwIndex, [this](const QString &text) {
        lvwIndex->filterIndices(text);
    });
    connect(txtKeyword, &QLineEdit::returnPressed, lvwIndex, &QHelpIndexWidget::activateCurrentItem);
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this, &frmHelp::showFirstPage);
}

frmHelp::~frmHelp() = default;

bool frmHelp::Open(QString *error)
{
    QString reason;
    if (!engine->setupData())
        reason = engine->error();
    const QStringList docs = engine->registeredDocumentations();
    if (reason.isEmpty() && docs.isEmpty())
        reason = QStringLiteral("The Help file holds no pages.");
    for (const QString &ns : docs) {
        const QString pages = engine->documentationFileName(ns);
        if (reason.isEmpty() && !QFileInfo(pages).isFile())
            reason = QStringLiteral("The Help pages file is missing: ") + QDir::toNativeSeparators(pages);
    }
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    engine->contentModel()->createContents(QString());
    engine->indexModel()->createIndex(QString());
    return true;
}

void frmHelp::ShowContents()
{
    tabs->setCurrentIndex(0);
    tvwContents->setFocus();
}

void frmHelp::ShowIndex()
{
    tabs->setCurrentIndex(1);
    txtKeyword->setFocus();
    txtKeyword->selectAll();
}

bool frmHelp::ShowKeyword(const QString &keyword)
{
    const QList<QHelpLink> documents = engine->documentsForKeyword(keyword, QString());
    if (documents.isEmpty())
        return false;
    txtKeyword->setText(keyword);
    browser->setSource(documents.first().url);
    return true;
}

// The first page of the contents is shown when the window opens on a blank page.
void frmHelp::showFirstPage()
{
    tvwContents->expandToDepth(0);
    if (!browser->source().isEmpty())
        return;
    const QModelIndex first = engine->contentModel()->index(0, 0);
    if (QHelpContentItem *item = engine->contentModel()->contentItemAt(first))
        browser->setSource(item->url());
}
