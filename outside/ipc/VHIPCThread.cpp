#include "VHIPCThread.h"

#include "IpcLogging.h"
#include "PrinterStatusReader.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUuid>

namespace {

const QString kStatusFile = QStringLiteral("status.json");
const QString kRequestDir = QStringLiteral("requests");

QString textMember(const QJsonObject &status, const char *name)
{
    return status.value(QLatin1String(name)).toString();
}

template<typename T>
void assign(VHIPCThread *object, T &member, const T &value, void (VHIPCThread::*changed)())
{
    if (member == value)
        return;
    member = value;
    emit(object->*changed)();
}

} // namespace

VHIPCThread::VHIPCThread(QObject *parent)
    : QObject(parent)
    , m_directory(productServiceDirectory())
    , m_watcher(this)
    , m_reader(new PrinterStatusReader)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &VHIPCThread::readStatus);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &VHIPCThread::readStatus);
    m_thread.setObjectName(QStringLiteral("VHIPCStatus"));
    m_reader->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_reader, &QObject::deleteLater);
    connect(m_reader, &PrinterStatusReader::statusRead, this, &VHIPCThread::applyStatus);
    m_thread.start();
}

VHIPCThread::~VHIPCThread()
{
    m_thread.quit();
    m_thread.wait();
}

QString VHIPCThread::productServiceDirectory()
{
    return QStringLiteral("/run/vh-printer");
}

void VHIPCThread::setServiceDirectory(const QString &directory)
{
    m_directory = directory;
    readStatus();
}

QString VHIPCThread::statusFilePath() const
{
    return QDir(m_directory).filePath(kStatusFile);
}

void VHIPCThread::initializeVHIPCMembers(bool subscribe)
{
    m_subscribed = subscribe;
    readStatus();
}

void VHIPCThread::updateSupplyDetails()
{
    readStatus();
}

void VHIPCThread::readStatus()
{
    updateWatches();
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    PrinterStatusReader *reader = m_reader;
    const QString path = statusFilePath();
    QMetaObject::invokeMethod(
        reader, [reader, path] { reader->read(path); }, Qt::QueuedConnection);
}

void VHIPCThread::applyStatus(const QJsonObject &status)
{
    m_reading = false;
    if (m_readAgain) {
        // What was read may already be stale.
        m_readAgain = false;
        readStatus();
        return;
    }
    const QJsonValue width = status.value(QLatin1String("supplyWidth"));
    assign(this, m_supplyWidth, width.isDouble() ? width.toDouble() : 0.0, &VHIPCThread::supplyWidthChanged);
    assign(this, m_supplySKU, textMember(status, "supplySKU"), &VHIPCThread::supplySKUChanged);
    assign(this, m_supplyColorHEX, textMember(status, "supplyColorHEX"), &VHIPCThread::supplyColorHEXChanged);
    assign(this, m_ribbon1ColorHEX, textMember(status, "ribbon1ColorHEX"),
           &VHIPCThread::ribbon1ColorHEXChanged);
    assign(this, m_ribbon2ColorHEX, textMember(status, "ribbon2ColorHEX"),
           &VHIPCThread::ribbon2ColorHEXChanged);
    assign(this, m_firmwareVersion, textMember(status, "firmwareVersion"),
           &VHIPCThread::firmwareVersionChanged);
    emit statusRead();
}

// The service replaces the file by a rename, which ends a watch on the
// file; the directory's watch notices the new one and the file is watched
// again.
void VHIPCThread::updateWatches()
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!m_subscribed)
        return;
    if (QFileInfo::exists(m_directory))
        m_watcher.addPath(m_directory);
    if (QFileInfo::exists(statusFilePath()))
        m_watcher.addPath(statusFilePath());
}

void VHIPCThread::calibrateSupply()
{
    sendRequest(QStringLiteral("calibrateSupply"));
}

void VHIPCThread::calibrateTach()
{
    sendRequest(QStringLiteral("calibrateTach"));
}

void VHIPCThread::sendRequest(const QString &request)
{
    const QString name = QStringLiteral("%1-%2.request")
                             .arg(QDateTime::currentMSecsSinceEpoch())
                             .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    QSaveFile file(QDir(m_directory).filePath(kRequestDir + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(request.toUtf8() + '\n') < 0 || !file.commit()) {
        qCWarning(lcIpc) << request << "not delivered to the printer service:" << file.fileName()
                         << file.errorString();
        return;
    }
    qCDebug(lcIpc) << request << "delivered as" << file.fileName();
}
