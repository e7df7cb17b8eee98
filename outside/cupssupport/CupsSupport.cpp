#include "CupsSupport.h"

#include <QLocale>
#include <QLoggingCategory>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcCupsSupport, "vh.cupssupport")

namespace {

// A scheduler that accepts connections but never answers must not freeze the
// UI: every exchange is bounded by these.
constexpr int kConnectTimeoutMs = 2000;
constexpr double kIoTimeoutSeconds = 2.0;

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

struct HttpCloser
{
    void operator()(http_t *http) const { httpClose(http); }
};
using Http = std::unique_ptr<http_t, HttpCloser>;

Http connectToScheduler()
{
    Http http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                           kConnectTimeoutMs, nullptr));
    if (http)
        httpSetTimeout(http.get(), kIoTimeoutSeconds, nullptr, nullptr);
    else
        qCWarning(lcCupsSupport) << "cannot reach the CUPS scheduler at" << cupsServer();
    return http;
}

// Asked first and bounded, so that libcups' own fallbacks for an unknown
// queue (a network browse over a fresh, unbounded connection) never run.
bool queueExists(http_t *http, const QByteArray &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue.constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    ipp_t *response = cupsDoRequest(http, request, "/");
    if (!response) {
        qCWarning(lcCupsSupport) << "no answer from the CUPS scheduler about queue" << queue;
        return false;
    }
    const bool found = ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    ippDelete(response);
    if (!found) {
        qCWarning(lcCupsSupport) << "CUPS queue" << queue << "is not available:"
                                 << cupsLastErrorString();
    }
    return found;
}

QHash<QByteArray, QString> optionsOf(const cups_dest_t *dest)
{
    QHash<QByteArray, QString> options;
    for (int i = 0; i < dest->num_options; ++i)
        options.insert(dest->options[i].name, QString::fromUtf8(dest->options[i].value));
    return options;
}

QHash<QByteArray, QString> readPpdDefaults(http_t *http, const QByteArray &queue)
{
    QHash<QByteArray, QString> defaults;
    // libcups has no other way to the default choice of a vendor option.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const char *file = cupsGetPPD2(http, queue.constData());
    if (!file)
        return defaults;
    // A temporary copy (or link) that the caller has to remove.
    const QByteArray path(file);
    if (ppd_file_t *ppd = ppdOpenFile(path.constData())) {
        for (ppd_option_t *option = ppdFirstOption(ppd); option; option = ppdNextOption(ppd))
            defaults.insert(option->keyword, QString::fromUtf8(option->defchoice));
        ppdClose(ppd);
    } else {
        qCWarning(lcCupsSupport) << "cannot parse the PPD of queue" << queue;
    }
#pragma GCC diagnostic pop
    ::unlink(path.constData());
    return defaults;
}

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

void CupsSupport::load()
{
    Http http = connectToScheduler();
    if (!http || !queueExists(http.get(), m_queueNameUtf8))
        return;

    cups_dest_t *dest = cupsGetNamedDest(http.get(), m_queueNameUtf8.constData(), nullptr);
    if (!dest) {
        qCWarning(lcCupsSupport) << "cannot read the defaults of queue" << m_queueName << ":"
                                 << cupsLastErrorString();
        return;
    }
    m_options = optionsOf(dest);
    cupsFreeDests(1, dest);
    m_ppdDefaults = readPpdDefaults(http.get(), m_queueNameUtf8);
    m_queueAvailable = true;
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
    auto names = [&changes]() {
        QByteArrayList list;
        for (const auto &change : changes)
            list.append(change.first);
        return list.join(' ');
    };
    Http http = connectToScheduler();
    if (!http || !queueExists(http.get(), m_queueNameUtf8)) {
        qCWarning(lcCupsSupport) << "options" << names() << "not stored for queue" << m_queueName;
        return false;
    }

    // lpoptions is rewritten as a whole: load every destination so that the
    // defaults of the other queues survive.
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    cups_dest_t *dest = cupsGetDest(m_queueNameUtf8.constData(), nullptr, count, dests);
    if (!dest) {
        qCWarning(lcCupsSupport) << "options" << names() << "not stored: queue" << m_queueName
                                 << "is not among the destinations";
        cupsFreeDests(count, dests);
        return false;
    }
    for (const auto &change : changes) {
        dest->num_options = cupsAddOption(change.first.constData(), change.second.toUtf8().constData(),
                                          dest->num_options, &dest->options);
    }
    const bool stored = cupsSetDests2(http.get(), count, dests) == 0;
    if (stored) {
        m_options = optionsOf(dest);
        m_queueAvailable = true;
    } else {
        qCWarning(lcCupsSupport) << "options" << names() << "not stored for queue" << m_queueName
                                 << ":" << cupsLastErrorString();
    }
    cupsFreeDests(count, dests);
    return stored;
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
