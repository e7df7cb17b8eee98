#pragma once

#include <QObject>

// The state of a Wi-Fi connection request, as the client reports it in
// networkStatus and QML reads it as VHNetworkStatusEnums. Never instantiated.
class VHNetworkStatus : public QObject
{
    Q_OBJECT
public:
    enum Status {
        DISCONNECTED = 0,
        CONNECTING = 1,
        CONNECTED = 2,
        FAILED = 3
    };
    Q_ENUM(Status)
};
