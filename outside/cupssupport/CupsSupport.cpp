#include "CupsSupport.h"

#include "CupsQueue.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcCupsSupport, "vh.cupssupport")

namespace {

// Option names as the queue's PPD and the presets know them.
const char kOrientation[] = "orientation-requested";
const char kCutMedia[] = "CutMedia";
const char kDithering[] = "Dithering";
const char kMirror[] = "MirrorPrint";
const char kInverse[] = "NegativePrint";
const char kOverprint[] = "Overprint";
const char kWhiteBase[] = "WhiteBase";
const char kRibbonSaver[] = "RibbonSaver";
const char kFeed[] = "Feed";
const char kOffsetH1[] = "Hoffset1";
const char kOffsetH2[] = "Hoffset2";
const char kOffsetV1[] = "Voffset1";
const char kOffsetV2[] = "Voffset2";
const char kR1Tension[] = "R1TensionAdjust";
const char kR2Tension[] = "R2TensionAdjust";
const char kStop[] = "Stop";
const char kHead1Offset[] = "head1Offset";
const char kHead2Offset[] = "head2Offset";

// What a fresh printer does: the same choices a preset without them selects.
constexpr int kDefaultDithering = 21; // Atkinson

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

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
    return static_cast<_CupsOrientation>(intValue(kOrientation, REVERSE_LANDSCAPE));
}

void CupsSupport::setOrientation(_CupsOrientation orientation)
{
    store(kOrientation, QString::number(static_cast<int>(orientation)));
}

QString CupsSupport::getPpdOption(const char *name) const
{
    if (!name)
        return QString();
    return value(name);
}

void CupsSupport::setCut(int cut)
{
    store(kCutMedia, QString::number(cut));
}

int CupsSupport::getDithering() const
{
    return intValue(kDithering, kDefaultDithering);
}

void CupsSupport::setDithering(int dithering)
{
    store(kDithering, QString::number(dithering));
}

bool CupsSupport::getMirror() const
{
    return boolValue(kMirror, false);
}

void CupsSupport::setMirror(bool mirror)
{
    store(kMirror, boolText(mirror));
}

bool CupsSupport::getInverse() const
{
    return boolValue(kInverse, false);
}

void CupsSupport::setInverse(bool inverse)
{
    store(kInverse, boolText(inverse));
}

bool CupsSupport::getOverprint() const
{
    return boolValue(kOverprint, false);
}

void CupsSupport::setOverprint(bool overprint)
{
    store(kOverprint, boolText(overprint));
}

bool CupsSupport::getWhiteBase() const
{
    return boolValue(kWhiteBase, false);
}

void CupsSupport::setWhiteBase(bool whiteBase)
{
    store(kWhiteBase, boolText(whiteBase));
}

bool CupsSupport::getRibbonSaver() const
{
    return boolValue(kRibbonSaver, false);
}

void CupsSupport::setRibbonSaver(bool ribbonSaver)
{
    store(kRibbonSaver, boolText(ribbonSaver));
}

int CupsSupport::getFeed() const
{
    return intValue(kFeed, 0);
}

void CupsSupport::setFeed(int feed)
{
    store(kFeed, QString::number(feed));
}

int CupsSupport::getOffsetH1() const
{
    return intValue(kOffsetH1, 0);
}

void CupsSupport::setOffsetH1(int offset)
{
    store(kOffsetH1, QString::number(offset));
}

int CupsSupport::getOffsetH2() const
{
    return intValue(kOffsetH2, 0);
}

void CupsSupport::setOffsetH2(int offset)
{
    store(kOffsetH2, QString::number(offset));
}

int CupsSupport::getOffsetV1() const
{
    return intValue(kOffsetV1, 0);
}

void CupsSupport::setOffsetV1(int offset)
{
    store(kOffsetV1, QString::number(offset));
}

int CupsSupport::getOffsetV2() const
{
    return intValue(kOffsetV2, 0);
}

void CupsSupport::setOffsetV2(int offset)
{
    store(kOffsetV2, QString::number(offset));
}

int CupsSupport::getR1Tension() const
{
    return intValue(kR1Tension, 0);
}

void CupsSupport::setR1Tension(int tension)
{
    store(kR1Tension, QString::number(tension));
}

int CupsSupport::getR2Tension() const
{
    return intValue(kR2Tension, 0);
}

void CupsSupport::setR2Tension(int tension)
{
    store(kR2Tension, QString::number(tension));
}

double CupsSupport::getStop() const
{
    bool ok = false;
    const double stop = value(kStop).trimmed().toDouble(&ok);
    return ok && std::isfinite(stop) ? stop : 0.0;
}

void CupsSupport::setStop(double stop)
{
    if (!std::isfinite(stop)) {
        qCWarning(lcCupsSupport) << "option" << kStop << "not stored: not a finite number" << stop;
        return;
    }
    store(kStop, QString::number(stop, 'g', QLocale::FloatingPointShortest));
}

int CupsSupport::getColorHeadOffset(int head) const
{
    if (head == 1)
        return intValue(kHead1Offset, 0);
    if (head == 2)
        return intValue(kHead2Offset, 0);
    return 0;
}

void CupsSupport::setColorHeadOffset(int value, int head)
{
    if (head == 1) {
        store(kHead1Offset, QString::number(value));
    } else if (head == 2) {
        store(kHead2Offset, QString::number(value));
    } else {
        qCWarning(lcCupsSupport) << "no print head" << head << "; heat offset not stored";
    }
}
