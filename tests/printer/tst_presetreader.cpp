// A preset's option list read back: what presetOptions() writes, and the
// lists other programs or older versions may have stored.
#include "PrintOptions.h"

#include <QtTest>

#include <climits>

namespace {

// One option read the way loading reads it; a code that is none is invalid.
QVariant read(const QStringList &options, const QByteArray &how, const char *name)
{
    const PrintOptions::PresetReader reader(options);
    if (how == "flag")
        return reader.flag(name);
    if (how == "number")
        return reader.number(name);
    if (how == "tension")
        return reader.tension(name);
    const std::optional<int> code = reader.code(name, 7);
    return code ? QVariant(*code) : QVariant();
}

QStringList writtenWithChanges()
{
    PrintOptions::Values values;
    values.orientationCode = 3;
    values.negativeOn = true;
    values.horizontal1 = INT_MIN;
    values.stopDistance = -999999;
    values.ribbon2Tension = 50;
    return PrintOptions::presetOptions(values);
}

} // namespace

class tst_PresetReader : public QObject
{
    Q_OBJECT

private slots:
    void optionRead_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariant>("expected");

        const QStringList fresh = PrintOptions::presetOptions({});
        const QStringList changed = writtenWithChanges();
        QTest::newRow("written: switch on")
            << changed << QByteArray("flag") << QByteArray("NegativePrint") << QVariant(true);
        QTest::newRow("written: least int")
            << changed << QByteArray("number") << QByteArray("Hoffset1") << QVariant(INT_MIN);
        QTest::newRow("written: whole stop")
            << changed << QByteArray("number") << QByteArray("Stop") << QVariant(-999999);
        QTest::newRow("written: fresh tension")
            << fresh << QByteArray("tension") << QByteArray("R1TensionAdjust") << QVariant(100);
        QTest::newRow("written: tension")
            << changed << QByteArray("tension") << QByteArray("R2TensionAdjust") << QVariant(50);
        QTest::newRow("written: fresh code")
            << fresh << QByteArray("code") << QByteArray("Dithering") << QVariant(21);
        QTest::newRow("written: code")
            << changed << QByteArray("code") << QByteArray("orientation-requested") << QVariant(3);

        // Lists the writer never makes, read as loading has always read them
        // (tst_printerpresets loads more of them).
        QTest::newRow("lower-case true") << QStringList{"MirrorPrint", "true"} << QByteArray("flag")
                                         << QByteArray("MirrorPrint") << QVariant(false);
        QTest::newRow("first of two equal names")
            << QStringList{"Feed", "3", "Feed", "9"} << QByteArray("number") << QByteArray("Feed")
            << QVariant(3);
        QTest::newRow("beyond int") << QStringList{"Feed", "2147483648"} << QByteArray("number")
                                    << QByteArray("Feed") << QVariant(0);
        QTest::newRow("tension 0 is nominal") << QStringList{"R2TensionAdjust", "0"} << QByteArray("tension")
                                              << QByteArray("R2TensionAdjust") << QVariant(100);
        QTest::newRow("missing code")
            << QStringList{"Feed", "1"} << QByteArray("code") << QByteArray("CutMedia") << QVariant(7);
        QTest::newRow("code in last place") << QStringList{"Feed", "1", "CutMedia"} << QByteArray("code")
                                            << QByteArray("CutMedia") << QVariant(7);
        QTest::newRow("code that is no number")
            << QStringList{"orientation-requested", "five"} << QByteArray("code")
            << QByteArray("orientation-requested") << QVariant();
    }

    void optionRead()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, how);
        QFETCH(QByteArray, name);
        QTEST(read(options, how, name.constData()), "expected");
    }
};

QTEST_APPLESS_MAIN(tst_PresetReader)
#include "tst_presetreader.moc"
