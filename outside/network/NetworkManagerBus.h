#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <deque>
#include <functional>

// A NetworkManager connection profile as sent and received on the bus
// (a{sa{sv}}): setting name to its keys.
using NMConnectionSettings = QMap<QString, QVariantMap>;
Q_DECLARE_METATYPE(NMConnectionSettings)

// NetworkManager's names on the system bus, and one client's calls to it.
// Nothing waits for NetworkManager: the client queues work, and the pieces
// of work run one after another in the order they were queued, so that what
// the user asks for reaches NetworkManager in the order it was asked, even
// while NetworkManager is slow. A piece of work makes calls and goes on in
// their answers; it ends when it has no call left open.
//
// A read that gets no answer in time ends its work at once (NetworkManager
// is not answering, and reads that follow would only wait as well): its
// `stalled` handler runs instead of the read's callback. A change the user
// asked for is not dropped that way: it goes back to the head of the queue
// and runs again from its start until NetworkManager answers, for up to
// ChangePatienceMs after it was asked for. A read that fails
// otherwise answers an empty value, and a change comes back with its reply,
// an error message when it failed or timed out. Failures are logged with the
// D-Bus error, never with the call's arguments, which may hold a key.
class NetworkManagerBus : public QObject
{
    Q_OBJECT
public:
    static const QString Service;
    static const QString ManagerPath;
    static const QString SettingsPath;
    static const QString ManagerInterface;
    static const QString SettingsInterface;
    static const QString ConnectionInterface;
    static const QString DeviceInterface;
    static const QString WirelessInterface;
    static const QString AccessPointInterface;
    static const QString ActiveConnectionInterface;
    static const QString Ip4ConfigInterface;
    static const QString PropertiesInterface;

    // NetworkManager answers reads from memory; a change may first have to
    // pass polkit.
    static constexpr int ReadTimeoutMs = 3000;
    static constexpr int ChangeTimeoutMs = 5000;
    static constexpr int ChangePatienceMs = 60000;

    enum DeviceType {
        EthernetDevice = 1,
        WifiDevice = 2
    };
    enum DeviceState {
        StateUnavailable = 20,
        StateDisconnected = 30,
        StatePrepare = 40,
        StateNeedAuth = 60,
        StateIpConfig = 70,
        StateActivated = 100,
        StateDeactivating = 110,
        StateFailed = 120
    };

    using Work = std::function<void()>;
    using ReplyHandler = std::function<void(const QDBusMessage &)>;
    template<typename... Values>
    using Answer = std::function<void(Values...)>;

    explicit NetworkManagerBus(const QDBusConnection &bus, QObject *parent = nullptr);

    QDBusConnection connection() const { return m_bus; }

    // Queues a piece of work; `start` makes its first calls. Work with a
    // `key` that is already queued and not yet started is not queued twice.
    void enqueue(const Work &start, const Work &stalled = Work(), const QString &key = QString());
    // Queues a change the user asked for; `givenUp` runs if NetworkManager
    // has not answered its reads within ChangePatienceMs.
    void enqueueChange(const Work &start, const Work &givenUp = Work());
    // A change is queued and has not started yet: what NetworkManager
    // answers now is about to be outdated.
    bool changeQueued() const;

    // The calls below belong to the running piece of work. An empty path
    // names no object: nothing is asked and the answer is empty.
    void read(const QString &path, const QString &interface, const QString &method,
              const QVariantList &arguments, const ReplyHandler &done);
    void change(const QString &path, const QString &interface, const QString &method,
                const QVariantList &arguments, const ReplyHandler &done);
    // True when the reply is no error; the error is logged.
    bool succeeded(const QDBusMessage &reply, const QString &what) const;

    void property(const QString &path, const QString &interface, const QString &name,
                  const Answer<const QVariant &> &done);
    void properties(const QString &path, const QString &interface, const Answer<const QVariantMap &> &done);
    void setProperty(const QString &path, const QString &interface, const QString &name,
                     const QVariant &value, const Answer<bool> &done);

    // The first device of this type, or empty.
    void device(DeviceType type, const Answer<const QString &> &done);
    // Reads the saved connection profiles one by one until `found` is true
    // for one, and answers its path, or empty.
    void findConnection(const std::function<bool(const QString &, const NMConnectionSettings &)> &found,
                        const Answer<const QString &> &done);
    void connectionSettings(const QString &connectionPath, const Answer<const NMConnectionSettings &> &done);
    // The first IPv4 address of the device's current configuration, its
    // prefix length and the gateway; an empty address when it has none.
    void ip4Address(const QString &devicePath, const Answer<const QString &, int, const QString &> &done);

    // Subscribes or unsubscribes `slot` of `receiver` to a signal of NetworkManager.
    bool watch(const QString &path, const QString &interface, const QString &name, QObject *receiver,
               const char *slot) const;
    void unwatch(const QString &path, const QString &interface, const QString &name, QObject *receiver,
                 const char *slot) const;

    // Calls `slot` of `receiver` whenever NetworkManager's own properties,
    // its devices or its saved profiles change, and when it starts or stops.
    void watchChanges(QObject *receiver, const char *slot) const;
    // Moves a subscription from one object to another (either may be empty).
    void rewatch(const QString &from, const QString &to, const QString &interface, const QString &name,
                 QObject *receiver, const char *slot) const;

    // a{sv} lists nested in a reply come as QDBusArgument; this unpacks aa{sv}.
    static QList<QVariantMap> mapList(const QVariant &value);
    // A device in this state is connecting or connected.
    static bool isActive(uint deviceState)
    {
        return deviceState >= StatePrepare && deviceState <= StateActivated;
    }
    // The path of an object-path value; empty for none ("/").
    static QString objectPath(const QVariant &value);
    // The object paths of a reply that carries a list of them (ao).
    static QStringList objectPaths(const QDBusMessage &reply);

private:
    struct Queued
    {
        Work start;
        Work stalled;
        QString key;
        // Set for changes: until then a stall runs the work again.
        QDeadlineTimer retryUntil = QDeadlineTimer(0);
        bool isChange = false;
    };

    void send(const QString &path, const QString &interface, const QString &method,
              const QVariantList &arguments, int timeoutMs, bool stallsOnTimeout, const ReplyHandler &done);
    void postStart();
    void startNext();
    void finish();
    void firstOfType(QStringList devices, DeviceType type, const Answer<const QString &> &done);
    void findAmong(QStringList connections,
                   const std::function<bool(const QString &, const NMConnectionSettings &)> &found,
                   const Answer<const QString &> &done);

    QDBusConnection m_bus;
    std::deque<Queued> m_queue;
    bool m_startPosted = false;
    // The running piece of work: whether there is one, the work itself,
    // its calls awaiting an answer, and a number that answers to earlier
    // pieces no longer match.
    bool m_running = false;
    Queued m_current;
    int m_open = 0;
    quint64 m_generation = 0;
};
