#include "ui/QtPrompts.h"
#include "app/frmSplash.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chordex"));
    QApplication::setOrganizationName(QStringLiteral("Chordex"));
    // Every platform plugin should find the installed theme, not only the desktop ones.
    if (!QIcon::themeSearchPaths().contains(QStringLiteral("/usr/share/icons")))
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    QIcon::setThemeName(QStringLiteral("Tango"));

    auto *splash = new frmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QtPrompts prompts;
    frmMain main(prompts);
    prompts.setParent(&main);
    splash->close();
    main.show();
    main.ShowStartupTips();
    return app.exec();
}
