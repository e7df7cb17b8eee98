#include "CupsSupport.h"

#include "CupsQueue.h"
#include "CupsSupportLogging.h"
#include "PrintOptions.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

CupsSupport::CupsSupport(const QString &queueName)
    : m_queueName(queueName)
    , m_queueNameUtf8(queueName.toUtf8())
{
    load();
}

CupsSupport::~CupsSupport() = default;

void CupsSupport::prefetch(const QString &queueName)
{
    CupsQueue::prefetch(queueName.toUtf8());
}

void CupsSupport::load()
{
    CupsQueue::Defaults defaults = CupsQueue::read(m_queueNameUtf8);
    m_options = std::move(defaults.options);
    m_ppdDefaults = std::move(defaults.ppdDefaults);
    m_queueAvailable = defaults.available;
}

QString CupsSupport::value(const char *name) const
{
    const auto option = m_options.constFind(name);
    if (option != m_options.constEnd())
        return *option;
    return m_ppdDefaults.value(name);
}

int CupsSupport::intValue(const char *name, int fallback) const
{
    bool ok = false;
    const int number = value(name).trimmed().toInt(&ok, 10);
    return ok ? number : fallback;
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

bool CupsSupport::isStored(const QByteArray &name, const QString &value,
                           const QHash<QByteArray, QString> &options) const
{
    const auto option = options.constFind(name);
    return m_queueAvailable && option != options.constEnd() && *option == value;
}

void CupsSupport::beginBatch()
{
    if (m_batchDepth++ == 0)
        m_optionsBeforeBatch = m_options;
}

void CupsSupport::endBatch()
{
    if (--m_batchDepth > 0)
        return;
    QList<QPair<QByteArray, QString>> changes = std::move(m_pending);
    m_pending.clear();
    auto unchanged = [this](const QPair<QByteArray, QString> &change) {
        return isStored(change.first, change.second, m_optionsBeforeBatch);
    };
    changes.erase(std::remove_if(changes.begin(), changes.end(), unchanged), changes.end());
    if (!changes.isEmpty() && !write(changes))
        m_options = m_optionsBeforeBatch;
    m_optionsBeforeBatch.clear();
}

// A value the queue already holds, as last read or written, is not written
// again: the pages pass on the values a preset has just stored.
void CupsSupport::store(const char *name, const QString &value)
{
    const QByteArray key(name);
    if (m_batchDepth == 0) {
        if (!isStored(key, value, m_options))
            write({{key, value}});
        return;
    }
    auto same = [&key](const QPair<QByteArray, QString> &change) { return change.first == key; };
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(), same), m_pending.end());
    m_pending.append({key, value});
    m_options.insert(key, value);
}

bool CupsSupport::write(const QList<QPair<QByteArray, QString>> &changes)
{
    if (!CupsQueue::write(m_queueNameUtf8, changes, m_options))
        return false;
    m_queueAvailable = true;
    return true;
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
