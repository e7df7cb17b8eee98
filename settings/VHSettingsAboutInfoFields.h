#pragma once

#include <QObject>

// The device-information fields the About page asks the settings core for.
class VHSettingsAboutInfoFields : public QObject
{
    Q_OBJECT
public:
    enum InfoFields {
        SERIAL_NUMBER = 0,
        VERSION_NUMBERS = 1,
        STORAGE_VALUE = 2,
        ETHERNET_ADDRESS = 3,
        WIRELESS_ADDRESS = 4,
        OFFSET_VALUES = 5,
        CALIBRATION_VALUES = 6
    };
    Q_ENUM(InfoFields)

    VHSettingsAboutInfoFields() = delete;
};
