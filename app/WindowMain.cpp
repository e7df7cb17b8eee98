#include "GuiSession.h"
#include "OnScreenKeyboard.h"
#include "QMLUpdatabilityEnums.h"
#include "StartupWarmUps.h"
#include "WindowModule.h"

#include <QGuiApplication>
#include <QThread>

#include <type_traits>

extern "C" Q_DECL_EXPORT int vhSettingsWindowMain(int &argc, char **argv, uint startTab,
                                                  const QString &sessionId)
{
    // Qt takes the first thread that uses it for its main thread, and the
    // read-aheads below log from threads of their own.
    QThread::currentThread();
    StartupWarmUps::fontConfig().start();
    StartupWarmUps::systemBus().start();
    // Only QML documents use the type, and no engine exists before this point.
    QMLUpdatabilityEnums::registerQmlType();
    OnScreenKeyboard::chooseBeforeApplication();

    QGuiApplication app(argc, argv);
    GuiSession session(startTab, sessionId);
    return session.exec();
}

static_assert(std::is_same_v<decltype(&vhSettingsWindowMain), WindowModule::Entry>,
              "the executable calls the entry through WindowModule::Entry");
