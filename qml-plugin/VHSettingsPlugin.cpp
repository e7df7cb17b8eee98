#include "VHSettingsPlugin.h"

#include "QMLCupsEnums.h"
#include "VHSettingsAboutInfoFields.h"
#include "VHSettingsTabNames.h"

#include <QUrl>
#include <qqml.h>

void VHSettingsPlugin::registerTypes(const char *uri)
{
    qmlRegisterType(QUrl(QStringLiteral("qrc:/Qml/MainContainer.qml")), uri, 1, 0, "VHSettingsMainContainer");
    qmlRegisterUncreatableType<VHSettingsTabNames>(
        uri, 1, 0, "VHSettingsTabEnums",
        QStringLiteral("VHSettingsTabEnums is used for Code Completion, No Instantiation"));
    qmlRegisterUncreatableType<VHSettingsAboutInfoFields>(
        uri, 1, 0, "VHSettingsAboutFieldsEnums",
        QStringLiteral("VHSettingsAboutFieldsEnums is used in the about page, No Instantiation"));
    qmlRegisterUncreatableType<QMLCupsEnums>(
        uri, 1, 0, "QMLCupsEnums",
        QStringLiteral("QMLCupsEnums is used for Code Completion, No Instantiation"));
}
