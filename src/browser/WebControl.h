#pragma once

#include <QWebEngineView>

#include <functional>

class QWebEngineProfile;

// The web view of the browser pane. A page that asks for a new window (a pop-up, a link
// with a target) gets one only when the pane's pop-up rule allows it; otherwise the request
// is dropped and PopupBlocked is raised.
class WebControl final : public QWebEngineView
{
    Q_OBJECT

public:
    WebControl(QWebEngineProfile *profile, QWidget *parent = nullptr);

    // Asked at every new-window request: true blocks the window.
    void setPopupRule(std::function<bool()> blocked) { m_blocked = std::move(blocked); }

signals:
    void PopupBlocked();

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    QWebEngineProfile *m_profile = nullptr;
    std::function<bool()> m_blocked;
};
