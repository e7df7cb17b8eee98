#pragma once

#include <QQmlExtensionPlugin>

// The module librariesqml.VHSettingsQML: the settings window, whose
// documents are compiled into this library's resources, and the three
// enumerations its documents use by name.
class VHSettingsPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    void registerTypes(const char *uri) override;
};
