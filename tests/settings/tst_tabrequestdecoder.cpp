#include "TabRequestDecoder.h"

#include <QRandomGenerator>
#include <QtTest>

// The decoding rules for tab requests, and their behaviour on arbitrary bytes.
class TestTabRequestDecoder : public QObject
{
    Q_OBJECT

private slots:
    void requestForms_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("tab");
        QTest::newRow("number") << QByteArray("7") << 7;
        QTest::newRow("number, white space") << QByteArray(" 6 \t") << 6;
        QTest::newRow("number, newline") << QByteArray("7\n") << 7;
        QTest::newRow("u form") << QByteArray("u\n9") << 9;
        QTest::newRow("u form, trailing newline") << QByteArray("u\n9\n") << 9;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("not a number") << QByteArray("x") << 0;
        QTest::newRow("negative") << QByteArray("-3") << 0;
        QTest::newRow("number then letters") << QByteArray("5x") << 0;
        QTest::newRow("u is last") << QByteArray("3\nu") << 0;
        QTest::newRow("u alone") << QByteArray("u") << 0;
        QTest::newRow("u then nothing") << QByteArray("u\n") << 0;
        QTest::newRow("u then text") << QByteArray("u\nabc") << 0;
        QTest::newRow("word with u") << QByteArray("menu\n4") << 4;
        QTest::newRow("first u part wins") << QByteArray("up\n2\nu\n8") << 2;
        QTest::newRow("capital U is no marker") << QByteArray("U\n5") << 0;
        QTest::newRow("out of range passes") << QByteArray("42") << 42;
        QTest::newRow("NUL ends the text") << QByteArray("8\0u\n3", 6) << 8;
        QTest::newRow("NUL first") << QByteArray("\0"
                                                 "5",
                                                 2)
                                   << 0;
        QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe\n3") << 0;
    }

    void requestForms()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, tab);
        QCOMPARE(TabRequestDecoder::decode(request), tab);
    }

    void crlfLineEndsGiveTheSameTabs_data()
    {
        QTest::addColumn<QByteArray>("lfRequest");
        QTest::newRow("number") << QByteArray("7\n");
        QTest::newRow("u form") << QByteArray("u\n9");
        QTest::newRow("u form, trailing newline") << QByteArray("u\n9\n");
        QTest::newRow("u is last") << QByteArray("3\nu");
        QTest::newRow("u is last, trailing newline") << QByteArray("3\nu\n");
        QTest::newRow("word with u") << QByteArray("menu\n4\n");
    }

    void crlfLineEndsGiveTheSameTabs()
    {
        QFETCH(QByteArray, lfRequest);
        QByteArray crlf = lfRequest;
        crlf.replace("\n", "\r\n");
        QCOMPARE(TabRequestDecoder::decode(crlf), TabRequestDecoder::decode(lfRequest));
    }

    // Thousands of random requests: no crash, and the properties that hold
    // for any input (NUL ends the text, CRLF equals LF, a result per call).
    void randomBytes()
    {
        QRandomGenerator random(20240607);
        const QByteArray alphabet("0123456789u\n\r\0 xmenU\xc3\xa4-+", 24);
        for (int i = 0; i < 20000; ++i) {
            QByteArray request;
            const int length = random.bounded(0, 24);
            const bool bytesOnly = random.bounded(4) == 0;
            for (int j = 0; j < length; ++j) {
                request.append(bytesOnly ? char(random.bounded(256))
                                         : alphabet.at(random.bounded(alphabet.size())));
            }
            const int tab = TabRequestDecoder::decode(request);
            QCOMPARE(TabRequestDecoder::decode(request + '\0' + request), tab);

            QByteArray lf = request.left(request.indexOf('\0') < 0 ? request.size() : request.indexOf('\0'));
            lf.replace("\r", "");
            QByteArray crlf = lf;
            crlf.replace("\n", "\r\n");
            QCOMPARE(TabRequestDecoder::decode(crlf), TabRequestDecoder::decode(lf));
        }
    }
};

QTEST_GUILESS_MAIN(TestTabRequestDecoder)
#include "tst_tabrequestdecoder.moc"
