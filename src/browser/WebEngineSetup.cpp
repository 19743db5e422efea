#include "browser/WebEngineSetup.h"

#include <QByteArray>
#include <QCoreApplication>

#include <unistd.h>

namespace WebEngineSetup {

void Prepare()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    // The web engine shares its drawing contexts with the widgets; this must precede the
    // application object.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace WebEngineSetup
