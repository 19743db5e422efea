#include "ui/QtPrompts.h"
#include "app/CommandLine.h"
#include "app/frmSplash.h"
#include "mainwindow/frmMain.h"
#include "browser/WebEngineSetup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    CommandLine::NameProgram();
    if (CommandLine::Wanted(argc, argv)) {
        // No window ever opens here, so no display is needed; the songbook still has fonts.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return CommandLine::Run(app);
    }

    WebEngineSetup::Prepare();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(CHORDEX_APP_ID));
    // Every platform plugin should find the installed theme, not only the desktop ones.
    if (!QIcon::themeSearchPaths().contains(QStringLiteral("/usr/share/icons")))
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    QIcon::setThemeName(QStringLiteral("Tango"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/chordex.svg")));

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
