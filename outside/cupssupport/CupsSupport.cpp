#include "CupsSupport.h"

#include "CupsExchanges.h"
#include "CupsQueue.h"
#include "CupsSupportLogging.h"
#include "PrintOptions.h"

#include <QLocale>

#include <chrono>
#include <cmath>
#include <utility>

namespace {

// How long closing waits for writes still under way.
constexpr std::chrono::milliseconds kCloseWait(2000);

} // namespace

CupsSupport::CupsSupport(const QString &queueName, Reading reading)
    : m_queueName(queueName)
{
    // The reports come from the exchange thread; the object takes them on
    // its own thread.
    CupsExchanges::Reports reports;
    reports.read = [this](const CupsQueue::Defaults &defaults) {
        QMetaObject::invokeMethod(
            this, [this, defaults] { takeRead(defaults.options, defaults.ppdDefaults, defaults.available); },
            Qt::QueuedConnection);
    };
    reports.written = [this](const CupsQueue::Changes &written, const CupsQueue::Options &stored) {
        QMetaObject::invokeMethod(
            this, [this, written, stored] { takeWritten(written, stored); }, Qt::QueuedConnection);
    };
    m_exchanges = std::make_unique<CupsExchanges>(queueName.toUtf8(), std::move(reports));

    if (reading == Reading::InBackground) {
        m_exchanges->readInBackground();
        return;
    }
    const CupsQueue::Defaults defaults = m_exchanges->readAndWait();
    m_options = defaults.options;
    m_ppdDefaults = defaults.ppdDefaults;
    m_queueAvailable = defaults.available;
    m_optionsRead = true;
}

CupsSupport::~CupsSupport()
{
    const CupsQueue::Changes unwritten = m_exchanges->finishWrites(kCloseWait);
    for (const auto &change : unwritten) {
        qCWarning(lcCupsSupport) << "option" << change.first << "=" << change.second << "not stored for queue"
                                 << m_queueName << "before closing";
    }
}

void CupsSupport::prefetch(const QString &queueName)
{
    CupsQueue::prefetch(queueName.toUtf8());
}

void CupsSupport::holdBackgroundExchanges()
{
    CupsExchanges::holdBackground();
}

void CupsSupport::releaseBackgroundExchanges()
{
    CupsExchanges::releaseBackground();
}

void CupsSupport::takeRead(const QHash<QByteArray, QString> &options,
                           const QHash<QByteArray, QString> &ppdDefaults, bool available)
{
    m_options = options;
    m_ppdDefaults = ppdDefaults;
    m_queueAvailable = available;
    m_optionsRead = true;
    emit optionsRead();
}

void CupsSupport::takeWritten(const Changes &written, const QHash<QByteArray, QString> &stored)
{
    m_options = stored;
    m_queueAvailable = true;
    for (const auto &change : written) {
        const auto unwritten = m_unwritten.constFind(change.first);
        if (unwritten != m_unwritten.cend() && *unwritten == change.second)
            m_unwritten.erase(unwritten);
    }
}

QString CupsSupport::value(const char *name) const
{
    const auto unwritten = m_unwritten.constFind(name);
    if (unwritten != m_unwritten.constEnd())
        return *unwritten;
    const auto option = m_options.constFind(name);
    if (option != m_options.constEnd())
        return *option;
    return m_ppdDefaults.value(name);
}

int CupsSupport::intValue(const char *name, int fallback) const
{
    return PrintOptions::wholeNumber(value(name).trimmed()).value_or(fallback);
}

bool CupsSupport::boolValue(const char *name, bool fallback) const
{
    const QString text = value(name).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("yes") || text == QLatin1String("on")
        || text == QLatin1String("1") || text == QLatin1String("enabled")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("no") || text == QLatin1String("off")
        || text == QLatin1String("0") || text == QLatin1String("disabled")) {
        return false;
    }
    return fallback;
}

CupsSupport::Batch::Batch(CupsSupport &cups)
    : m_cups(cups)
{
    m_cups.beginBatch();
}

CupsSupport::Batch::~Batch()
{
    m_cups.endBatch();
}

bool CupsSupport::isStored(const QByteArray &name, const QString &value) const
{
    const auto option = m_options.constFind(name);
    return m_queueAvailable && option != m_options.constEnd() && *option == value;
}

void CupsSupport::beginBatch()
{
    ++m_batchDepth;
}

void CupsSupport::endBatch()
{
    if (--m_batchDepth == 0 && !m_batch.isEmpty())
        m_exchanges->write(std::exchange(m_batch, {}));
}

// A value the queue already holds, as last read or written, is not written
// again: the pages pass on the values a preset has just stored.
void CupsSupport::store(const char *name, const QString &value)
{
    const QByteArray key(name);
    const auto unwritten = m_unwritten.constFind(key);
    if (unwritten != m_unwritten.cend() ? *unwritten == value : isStored(key, value))
        return;
    m_unwritten.insert(key, value);
    if (m_batchDepth > 0)
        CupsExchanges::merge(m_batch, {{key, value}});
    else
        m_exchanges->write({{key, value}});
}

CupsSupport::_CupsOrientation CupsSupport::getOrientation() const
{
    return static_cast<_CupsOrientation>(
        intValue(PrintOptions::orientation, PrintOptions::defaultOrientation));
}

void CupsSupport::setOrientation(_CupsOrientation orientation)
{
    store(PrintOptions::orientation, QString::number(static_cast<int>(orientation)));
}

QString CupsSupport::getPpdOption(const char *name) const
{
    if (!name)
        return QString();
    return value(name);
}

void CupsSupport::setCut(int cut)
{
    store(PrintOptions::cutMedia, QString::number(cut));
}

int CupsSupport::getDithering() const
{
    return intValue(PrintOptions::dithering, PrintOptions::defaultDithering);
}

void CupsSupport::setDithering(int dithering)
{
    store(PrintOptions::dithering, QString::number(dithering));
}

bool CupsSupport::getMirror() const
{
    return boolValue(PrintOptions::mirror, false);
}

void CupsSupport::setMirror(bool mirror)
{
    store(PrintOptions::mirror, PrintOptions::flagText(mirror));
}

bool CupsSupport::getInverse() const
{
    return boolValue(PrintOptions::negative, false);
}

void CupsSupport::setInverse(bool inverse)
{
    store(PrintOptions::negative, PrintOptions::flagText(inverse));
}

bool CupsSupport::getOverprint() const
{
    return boolValue(PrintOptions::overprint, false);
}

void CupsSupport::setOverprint(bool overprint)
{
    store(PrintOptions::overprint, PrintOptions::flagText(overprint));
}

bool CupsSupport::getWhiteBase() const
{
    return boolValue(PrintOptions::whiteBase, false);
}

void CupsSupport::setWhiteBase(bool whiteBase)
{
    store(PrintOptions::whiteBase, PrintOptions::flagText(whiteBase));
}

bool CupsSupport::getRibbonSaver() const
{
    return boolValue(PrintOptions::ribbonSaver, false);
}

void CupsSupport::setRibbonSaver(bool ribbonSaver)
{
    store(PrintOptions::ribbonSaver, PrintOptions::flagText(ribbonSaver));
}

int CupsSupport::getFeed() const
{
    return intValue(PrintOptions::feed, 0);
}

void CupsSupport::setFeed(int feed)
{
    store(PrintOptions::feed, QString::number(feed));
}

int CupsSupport::getOffsetH1() const
{
    return intValue(PrintOptions::offsetH1, 0);
}

void CupsSupport::setOffsetH1(int offset)
{
    store(PrintOptions::offsetH1, QString::number(offset));
}

int CupsSupport::getOffsetH2() const
{
    return intValue(PrintOptions::offsetH2, 0);
}

void CupsSupport::setOffsetH2(int offset)
{
    store(PrintOptions::offsetH2, QString::number(offset));
}

int CupsSupport::getOffsetV1() const
{
    return intValue(PrintOptions::offsetV1, 0);
}

void CupsSupport::setOffsetV1(int offset)
{
    store(PrintOptions::offsetV1, QString::number(offset));
}

int CupsSupport::getOffsetV2() const
{
    return intValue(PrintOptions::offsetV2, 0);
}

void CupsSupport::setOffsetV2(int offset)
{
    store(PrintOptions::offsetV2, QString::number(offset));
}

int CupsSupport::getR1Tension() const
{
    return PrintOptions::tensionOrNominal(intValue(PrintOptions::r1Tension, PrintOptions::nominalTension));
}

void CupsSupport::setR1Tension(int tension)
{
    store(PrintOptions::r1Tension, QString::number(tension));
}

int CupsSupport::getR2Tension() const
{
    return PrintOptions::tensionOrNominal(intValue(PrintOptions::r2Tension, PrintOptions::nominalTension));
}

void CupsSupport::setR2Tension(int tension)
{
    store(PrintOptions::r2Tension, QString::number(tension));
}

double CupsSupport::getStop() const
{
    bool ok = false;
    const double stop = value(PrintOptions::stop).trimmed().toDouble(&ok);
    return ok && std::isfinite(stop) ? stop : 0.0;
}

void CupsSupport::setStop(double stop)
{
    if (!std::isfinite(stop)) {
        qCWarning(lcCupsSupport) << "option" << PrintOptions::stop << "not stored: not a finite number"
                                 << stop;
        return;
    }
    store(PrintOptions::stop, QString::number(stop, 'g', QLocale::FloatingPointShortest));
}

int CupsSupport::getColorHeadOffset(int head) const
{
    if (head == 1)
        return intValue(PrintOptions::head1Offset, 0);
    if (head == 2)
        return intValue(PrintOptions::head2Offset, 0);
    return 0;
}

void CupsSupport::setColorHeadOffset(int value, int head)
{
    if (head == 1) {
        store(PrintOptions::head1Offset, QString::number(value));
    } else if (head == 2) {
        store(PrintOptions::head2Offset, QString::number(value));
    } else {
        qCWarning(lcCupsSupport) << "no print head" << head << "; heat offset not stored";
    }
}
