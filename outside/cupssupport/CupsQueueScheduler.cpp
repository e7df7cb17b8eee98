// The part of the print-support library that talks to the CUPS scheduler
// through libcups; loaded by CupsQueue on the first exchange.
#include "CupsQueue.h"
#include "CupsSupportLogging.h"

#include <cups/cups.h>
#include <cups/ppd.h>

#include <memory>
#include <type_traits>
#include <unistd.h>

namespace {

// A scheduler that accepts connections but never answers must not freeze the
// UI: every exchange is bounded by these.
constexpr int kConnectTimeoutMs = 2000;
constexpr double kIoTimeoutSeconds = 2.0;

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
        qCWarning(lcCupsSupport) << "CUPS queue" << queue << "is not available:" << cupsLastErrorString();
    }
    return found;
}

CupsQueue::Options optionsOf(const cups_dest_t *dest)
{
    CupsQueue::Options options;
    for (int i = 0; i < dest->num_options; ++i)
        options.insert(dest->options[i].name, QString::fromUtf8(dest->options[i].value));
    return options;
}

CupsQueue::Options readPpdDefaults(http_t *http, const QByteArray &queue)
{
    CupsQueue::Options defaults;
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

} // namespace

extern "C" Q_DECL_EXPORT CupsQueue::Defaults vhCupsQueueRead(const QByteArray &queue)
{
    CupsQueue::Defaults defaults;
    Http http = connectToScheduler();
    if (!http || !queueExists(http.get(), queue))
        return defaults;

    cups_dest_t *dest = cupsGetNamedDest(http.get(), queue.constData(), nullptr);
    if (!dest) {
        qCWarning(lcCupsSupport) << "cannot read the defaults of queue" << queue << ":"
                                 << cupsLastErrorString();
        return defaults;
    }
    defaults.options = optionsOf(dest);
    cupsFreeDests(1, dest);
    defaults.ppdDefaults = readPpdDefaults(http.get(), queue);
    defaults.available = true;
    return defaults;
}

extern "C" Q_DECL_EXPORT bool vhCupsQueueWrite(const QByteArray &queue, const CupsQueue::Changes &changes,
                                               CupsQueue::Options &stored)
{
    auto names = [&changes]() {
        QByteArrayList list;
        for (const auto &change : changes)
            list.append(change.first);
        return list.join(' ');
    };
    Http http = connectToScheduler();
    if (!http || !queueExists(http.get(), queue)) {
        qCWarning(lcCupsSupport) << "options" << names() << "not stored for queue" << queue;
        return false;
    }

    // lpoptions is rewritten as a whole: load every destination so that the
    // defaults of the other queues survive.
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    cups_dest_t *dest = cupsGetDest(queue.constData(), nullptr, count, dests);
    if (!dest) {
        qCWarning(lcCupsSupport) << "options" << names() << "not stored: queue" << queue
                                 << "is not among the destinations";
        cupsFreeDests(count, dests);
        return false;
    }
    for (const auto &change : changes) {
        dest->num_options = cupsAddOption(change.first.constData(), change.second.toUtf8().constData(),
                                          dest->num_options, &dest->options);
    }
    const bool written = cupsSetDests2(http.get(), count, dests) == 0;
    if (written) {
        stored = optionsOf(dest);
    } else {
        qCWarning(lcCupsSupport) << "options" << names() << "not stored for queue" << queue << ":"
                                 << cupsLastErrorString();
    }
    cupsFreeDests(count, dests);
    return written;
}

static_assert(std::is_same_v<decltype(&vhCupsQueueRead), CupsQueue::ReadEntry>);
static_assert(std::is_same_v<decltype(&vhCupsQueueWrite), CupsQueue::WriteEntry>);
