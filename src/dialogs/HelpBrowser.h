#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows help pages read from a help collection: "qthelp:" addresses come from the engine,
// web addresses open in the user's browser.
class HelpBrowser final : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(QHelpEngineCore &engine, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    QHelpEngineCore &m_engine;
};
