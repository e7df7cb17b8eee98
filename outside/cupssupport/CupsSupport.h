#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

class CupsExchanges;

// The label printer's print options, kept as the CUPS defaults of one queue
// (the per-user lpoptions mechanism), so that every job sent to the queue with
// plain `lp -d <queue>` carries them. The getters answer from memory at once:
// the values last set, else the queue's as last read or written, else the
// getter's default (also for a missing scheduler, queue or option). Setters
// return at once too; the writes follow on a thread of their own, in order,
// and are kept and tried again while the scheduler does not take them.
class CupsSupport : public QObject
{
    Q_OBJECT
public:
    // Values of the IPP attribute "orientation-requested".
    enum _CupsOrientation : int {
        ORIENTATION_NONE = 0,
        PORTRAIT = 3,
        LANDSCAPE = 4,
        REVERSE_LANDSCAPE = 5,
        REVERSE_PORTRAIT = 6,
    };

    enum class Reading {
        // The constructor waits for the queue's options: for tools and
        // tests, never for a GUI thread.
        Wait,
        // The constructor returns at once; optionsRead() tells when the
        // queue's options have arrived.
        InBackground,
    };

    explicit CupsSupport(const QString &queueName = QStringLiteral("Tundrel"),
                         Reading reading = Reading::Wait);
    // Waits up to about 2 s for the writes still under way and logs each
    // option it could not store.
    ~CupsSupport() override;

    // Starts reading the queue's options in the background; the next
    // CupsSupport of that queue is built from them.
    static void prefetch(const QString &queueName);

    // While held, the reads and writes that nobody waits for wait to start,
    // for every CupsSupport of the process; a read that is waited for ends
    // the hold. A window holds them while it starts.
    static void holdBackgroundExchanges();
    static void releaseBackgroundExchanges();

    // Groups option writes: while a batch is open, setters only change what
    // the getters return, and closing the outermost batch hands them all on
    // as one write of the queue's defaults.
    class Batch
    {
    public:
        explicit Batch(CupsSupport &cups);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        CupsSupport &m_cups;
    };

    QString queueName() const { return m_queueName; }
    // Whether the scheduler knew the queue when the options were last read
    // or written.
    bool isQueueAvailable() const { return m_queueAvailable; }
    // Whether the reading of the queue's options is over.
    bool hasReadOptions() const { return m_optionsRead; }

    _CupsOrientation getOrientation() const;
    void setOrientation(_CupsOrientation orientation);

    // The queue's value of a PPD option: the user's default, else the PPD's
    // default choice, else an empty text.
    QString getPpdOption(const char *name) const;
    void setCut(int cut);

    int getDithering() const;
    void setDithering(int dithering);

    bool getMirror() const;
    void setMirror(bool mirror);
    bool getInverse() const;
    void setInverse(bool inverse);
    bool getOverprint() const;
    void setOverprint(bool overprint);
    bool getWhiteBase() const;
    void setWhiteBase(bool whiteBase);
    bool getRibbonSaver() const;
    void setRibbonSaver(bool ribbonSaver);

    int getFeed() const;
    void setFeed(int feed);
    int getOffsetH1() const;
    void setOffsetH1(int offset);
    int getOffsetH2() const;
    void setOffsetH2(int offset);
    int getOffsetV1() const;
    void setOffsetV1(int offset);
    int getOffsetV2() const;
    void setOffsetV2(int offset);
    // In percent of nominal; unset (or 0) reads as nominal, 100.
    int getR1Tension() const;
    void setR1Tension(int tension);
    int getR2Tension() const;
    void setR2Tension(int tension);

    double getStop() const;
    void setStop(double stop);

    // head is 1 or 2; other heads read 0 and are not written.
    int getColorHeadOffset(int head) const;
    void setColorHeadOffset(int value, int head);

signals:
    // The queue's options arrived (Reading::InBackground). The getters answer
    // with them now, except for the options set since construction, whose
    // last values still win.
    void optionsRead();

private:
    using Changes = QList<QPair<QByteArray, QString>>;

    // The option's text, or a null QString when neither the values set nor
    // the queue's defaults nor its PPD have it.
    QString value(const char *name) const;
    int intValue(const char *name, int fallback) const;
    bool boolValue(const char *name, bool fallback) const;
    void store(const char *name, const QString &value);
    bool isStored(const QByteArray &name, const QString &value) const;
    void beginBatch();
    void endBatch();
    void takeRead(const QHash<QByteArray, QString> &options, const QHash<QByteArray, QString> &ppdDefaults,
                  bool available);
    void takeWritten(const Changes &written, const QHash<QByteArray, QString> &stored);

    QString m_queueName;
    bool m_queueAvailable = false;
    bool m_optionsRead = false;
    QHash<QByteArray, QString> m_options;     // the queue's defaults incl. lpoptions
    QHash<QByteArray, QString> m_ppdDefaults; // DefaultXxx choices of the PPD
    QHash<QByteArray, QString> m_unwritten;   // set, and not yet known to be stored
    int m_batchDepth = 0;
    Changes m_batch; // in the order they were set
    std::unique_ptr<CupsExchanges> m_exchanges;
};
