#include "browser/WebEngineSetup.h"

#include <QByteArray>

#include <unistd.h>

namespace WebEngineSetup {

void Prepare()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
}

}  // namespace WebEngineSetup
