#include "SocketServer.h"

#include "ModuleLoader.h"
#include "SettingsLogging.h"

std::unique_ptr<SocketServer> SocketServer::start(QObject *owner, const QString &name)
{
    const auto entry = loadModuleEntry<SocketServerModule::Entry>(SocketServerModule::fileName,
                                                                  SocketServerModule::entryName);
    if (!entry) {
        qCWarning(lcSettings) << "cannot load the settings socket's server:" << dlerror();
        return nullptr;
    }
    return std::unique_ptr<SocketServer>(entry(owner, name));
}
