#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// The label printer's print options, kept as the CUPS defaults of one queue
// (the per-user lpoptions mechanism), so that every job sent to the queue with
// plain `lp -d <queue>` carries them. Values are read once at construction and
// follow every successful write; a missing scheduler, queue or option yields
// the getter's default instead of an error.
class CupsSupport
{
public:
    // Values of the IPP attribute "orientation-requested".
    enum _CupsOrientation : int {
        ORIENTATION_NONE = 0,
        PORTRAIT = 3,
        LANDSCAPE = 4,
        REVERSE_LANDSCAPE = 5,
        REVERSE_PORTRAIT = 6,
    };

    explicit CupsSupport(const QString &queueName = QStringLiteral("Tundrel"));
    ~CupsSupport();

    // Starts reading the queue's options in the background; the next
    // CupsSupport of that queue is built from them.
    static void prefetch(const QString &queueName);

    CupsSupport(const CupsSupport &) = delete;
    CupsSupport &operator=(const CupsSupport &) = delete;

    // Groups option writes: while a batch is open, setters only change what
    // the getters return, and closing the outermost batch stores them all
    // with one read and one write of the queue's defaults. A failed store
    // leaves the getters as they were before the batch.
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
    // Whether the scheduler knew the queue when the options were last read.
    bool isQueueAvailable() const { return m_queueAvailable; }

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

private:
    void load();
    // The option's text, or a null QString when neither the queue's defaults
    // nor its PPD have it.
    QString value(const char *name) const;
    int intValue(const char *name, int fallback) const;
    bool boolValue(const char *name, bool fallback) const;
    void store(const char *name, const QString &value);
    // Writes the options to the queue's defaults in one exchange.
    bool write(const QList<QPair<QByteArray, QString>> &changes);
    bool isStored(const QByteArray &name, const QString &value,
                  const QHash<QByteArray, QString> &options) const;
    void beginBatch();
    void endBatch();

    QString m_queueName;
    QByteArray m_queueNameUtf8;
    bool m_queueAvailable = false;
    QHash<QByteArray, QString> m_options;     // the queue's defaults incl. lpoptions
    QHash<QByteArray, QString> m_ppdDefaults; // DefaultXxx choices of the PPD
    int m_batchDepth = 0;
    QList<QPair<QByteArray, QString>> m_pending; // in the order they were set
    QHash<QByteArray, QString> m_optionsBeforeBatch;
};
