#include "browser/WebControl.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>

WebControl::WebControl(QWebEngineProfile *profile, QWidget *parent)
    : QWebEngineView(parent)
    , m_profile(profile)
{
    setPage(new QWebEnginePage(profile, this));
}

QWebEngineView *WebControl::createWindow(QWebEnginePage::WebWindowType)
{
    if (!m_blocked || m_blocked()) {
        emit PopupBlocked();
        return nullptr;
    }
    // An allowed pop-up opens in a window of its own that shares the profile and the rule.
    // It belongs to this view's window (parentWidget()) so it closes with it.
    auto *window = new WebControl(m_profile, parentWidget());
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setPopupRule(m_blocked);
    window->resize(800, 600);
    connect(window->page(), &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    connect(window, &QWebEngineView::titleChanged, window, &QWidget::setWindowTitle);
    connect(window, &WebControl::PopupBlocked, this, &WebControl::PopupBlocked);
    window->show();
    return window;
}
