#include "app/StartupEnvironment.h"

#include <QByteArray>
#include <QtGlobal>

void StartupEnvironment::skipOpenGlIntegration()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
