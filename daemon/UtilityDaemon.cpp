#include "UtilityDaemon.h"

#include "UtilitydLogging.h"
#include "UtilitydNames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

namespace {
struct Method
{
    const char *name;
    const char *stateKey; // where a setter keeps its value; null for others
};

// What each method of the interface description does.
constexpr Method kMethods[] = {
    {"setDisplayDimTime", "displayDimTime"},
    {"setDisplayPowerOffTime", "displayPowerOffTime"},
    {"setDisplayBrightness", "displayBrightness"},
    {"setAutomaticUpdateCheck", "automaticUpdateCheck"},
    {"setTwentyFourHourMode", "twentyFourHourMode"},
    {"setDateFormat", "dateFormat"},
    {"getShip", nullptr},
};

const Method *findMethod(const QString &name)
{
    for (const Method &method : kMethods) {
        if (name == QLatin1String(method.name))
            return &method;
    }
    return nullptr;
}

constexpr int kToolTimeoutMs = 1000;
} // namespace

UtilityDaemon::UtilityDaemon(const QString &backlightClassDir, const QString &stateFilePath, QObject *parent)
    : QDBusVirtualObject(parent)
    , m_interface(InterfaceDescription::embedded())
    , m_backlight(backlightClassDir)
    , m_state(stateFilePath)
    , m_shipVariant(readShipVariant())
{
}

void UtilityDaemon::restore()
{
    QString error;
    QStringList ignored;
    const bool loaded = m_state.load(&error, &ignored);
    for (const QString &warning : qAsConst(ignored))
        qCWarning(lcUtilityd).noquote() << "state file:" << warning;
    if (!loaded) {
        qCWarning(lcUtilityd) << "state file not loaded:" << error;
        return;
    }
    const QVariant level = m_state.value(QStringLiteral("displayBrightness"));
    if (!level.isValid())
        return;
    const int written = m_backlight.setLevel(level.toUInt(), &error);
    if (written < 0)
        qCWarning(lcUtilityd) << "stored brightness not restored:" << error;
    else
        qCInfo(lcUtilityd) << "restored brightness level" << level.toInt() << "as" << written;
}

QString UtilityDaemon::introspect(const QString &path) const
{
    if (path != QLatin1String(UtilitydNames::objectPath))
        return QString();
    return m_interface.introspection();
}

bool UtilityDaemon::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString interface = message.interface();
    // Leave Introspectable and unknown interfaces to QtDBus' own replies.
    if (!interface.isEmpty() && interface != QLatin1String(UtilitydNames::interfaceName))
        return false;
    if (interface.isEmpty() && !m_interface.inSignature(message.member()))
        return false;

    const QDBusMessage reply = dispatch(message);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qCWarning(lcUtilityd).noquote()
            << message.member() << "failed:" << reply.errorName() << reply.errorMessage();
    if (message.isReplyRequired())
        connection.send(reply);
    return true;
}

QDBusMessage UtilityDaemon::dispatch(const QDBusMessage &call)
{
    const Method *method = findMethod(call.member());
    const std::optional<QString> signature = m_interface.inSignature(call.member());
    if (!method || !signature) {
        return call.createErrorReply(QDBusError::UnknownMethod,
                                     QStringLiteral("No method %1 in %2")
                                         .arg(call.member(), QLatin1String(UtilitydNames::interfaceName)));
    }
    if (call.signature() != *signature) {
        return call.createErrorReply(QDBusError::InvalidArgs,
                                     QStringLiteral("%1 takes signature '%2', not '%3'")
                                         .arg(call.member(), *signature, call.signature()));
    }

    if (!method->stateKey)
        return call.createReply(QVariant::fromValue<qint32>(m_shipVariant));

    const QVariant argument = call.arguments().constFirst();
    if (call.member() == QLatin1String("setDisplayBrightness"))
        return setBrightness(call, argument.toUInt());
    return storeValue(call, QLatin1String(method->stateKey), argument);
}

QDBusMessage UtilityDaemon::setBrightness(const QDBusMessage &call, quint32 level)
{
    QString error;
    const int written = m_backlight.setLevel(level, &error);
    if (written < 0)
        return call.createErrorReply(QDBusError::Failed, error);
    qCInfo(lcUtilityd) << "brightness level" << level << "written as" << written << "to"
                       << m_backlight.deviceDir();
    return storeValue(call, QStringLiteral("displayBrightness"), Backlight::clampLevel(level));
}

QDBusMessage UtilityDaemon::storeValue(const QDBusMessage &call, const QString &key, const QVariant &value)
{
    const QString refused = StateFile::refusal(key, value);
    if (!refused.isEmpty())
        return call.createErrorReply(QDBusError::InvalidArgs, call.member() + QLatin1Char(' ') + refused);
    QString error;
    if (!m_state.setValue(key, value, &error))
        return call.createErrorReply(QDBusError::Failed, error);
    // The value quoted, so that control characters in a caller's text come
    // out escaped.
    qCInfo(lcUtilityd) << qUtf8Printable(key) << "=" << value.toString();
    return call.createReply();
}

qint32 UtilityDaemon::readShipVariant()
{
    QProcess tool;
    // What it says on standard error is of no use here.
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(QStringLiteral("fw_printenv"), {QStringLiteral("-n"), QStringLiteral("vhShip")},
               QIODevice::ReadOnly);
    if (!tool.waitForFinished(kToolTimeoutMs)) {
        qCWarning(lcUtilityd) << "fw_printenv -n vhShip:" << tool.errorString()
                              << "; shipping variant taken as 0";
        tool.kill();
        tool.waitForFinished(kToolTimeoutMs);
        return 0;
    }
    // Not set: fw_printenv fails and prints nothing on standard output.
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return 0;
    bool ok = false;
    const qint32 variant = tool.readAllStandardOutput().trimmed().toInt(&ok);
    return ok ? variant : 0;
}
