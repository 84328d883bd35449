#include "common/basic.h"
#include "common/codepage.h"
#include "common/formats.h"

#include <QTest>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void basicVal_data();
    void basicVal();
    void basicStr_data();
    void basicStr();
    void reformat_data();
    void reformat();
    void reformatIsIdempotent_data();
    void reformatIsIdempotent();
    void fieldPattern_data();
    void fieldPattern();
    void windows1252RoundTrip();
};

void TestFormats::basicVal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("blank-then-digit") << u" 2"_s << 2.0;
    QTest::newRow("point-then-digit") << u".1"_s << 0.1;
    QTest::newRow("year") << u"2026"_s << 2026.0;
    QTest::newRow("leading-zero") << u"07"_s << 7.0;
    QTest::newRow("stops-at-letter") << u"2O26"_s << 2.0;
    QTest::newRow("letters") << u"MAG2"_s << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("sign-and-fraction") << u"  -3.25x"_s << -3.25;
    QTest::newRow("exponent") << u"1E3"_s << 1000.0;
    QTest::newRow("exponent-without-digits") << u"2E"_s << 2.0;
    QTest::newRow("overflow-is-zero") << u"1E999"_s << 0.0;
    QTest::newRow("lone-sign") << u"-"_s << 0.0;
}

void TestFormats::basicVal()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::basicVal(text), value);
}

void TestFormats::basicStr_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 152.0 << u" 152"_s;
    QTest::newRow("caption-step") << 1.1 << u" 1.1"_s;
    QTest::newRow("fraction-below-one") << 0.5 << u" .5"_s;
    QTest::newRow("negative") << -3.0 << u"-3"_s;
    QTest::newRow("zero") << 0.0 << u" 0"_s;
}

void TestFormats::basicStr()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::basicStr(value), text);
}

void TestFormats::reformat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QString>("shown");
    QTest::newRow("amount") << u"25000"_s << false << u"25.000,00"_s;
    QTest::newRow("winners-grouped") << u"1500"_s << true << u"1.500"_s;
    QTest::newRow("winners-zero-is-empty") << u"0"_s << true << QString();
    QTest::newRow("amount-zero") << u"0"_s << false << u"0,00"_s;
    QTest::newRow("longer-than-box") << u"12345"_s << true << u"12.345"_s;
    QTest::newRow("letters-stay") << u"abc"_s << false << u"abc"_s;
    QTest::newRow("empty-stays") << QString() << false << QString();
    QTest::newRow("lone-minus-stays") << u"-"_s << false << u"-"_s;
    QTest::newRow("decimal-comma") << u"1234,5"_s << false << u"1.234,50"_s;
    QTest::newRow("half-away-from-zero") << u"2,5"_s << true << u"3"_s;
    QTest::newRow("negative-half-away") << u"-2,5"_s << true << u"-3"_s;
    QTest::newRow("cent-half-up") << u"1,005"_s << false << u"1,01"_s;
    QTest::newRow("carry-into-thousands") << u"999,999"_s << false << u"1.000,00"_s;
    QTest::newRow("small-rounds-to-empty") << u"0,4"_s << true << QString();
    QTest::newRow("negative-zero-has-no-sign") << u"-0,001"_s << false << u"0,00"_s;
    QTest::newRow("millions") << u"81300000"_s << false << u"81.300.000,00"_s;
    QTest::newRow("infinity-is-not-a-number") << u"inf"_s << false << u"inf"_s;
    QTest::newRow("huge") << u"1e20"_s << true << u"100.000.000.000.000.000.000"_s;
}

void TestFormats::reformat()
{
    QFETCH(QString, typed);
    QFETCH(bool, whole);
    QFETCH(QString, shown);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QCOMPARE(
        reformatNumberText(typed, whole ? NumberFormat::Whole : NumberFormat::TwoDecimals, italian),
        shown);
}

void TestFormats::reformatIsIdempotent_data()
{
    reformat_data();
}

void TestFormats::reformatIsIdempotent()
{
    QFETCH(QString, shown);
    QFETCH(bool, whole);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const NumberFormat format = whole ? NumberFormat::Whole : NumberFormat::TwoDecimals;
    QCOMPARE(reformatNumberText(shown, format, italian), shown);
}

void TestFormats::fieldPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("result");
    QTest::newRow("right-aligned") << u"12"_s << u"@@@@@"_s << u"   12"_s;
    QTest::newRow("empty-is-blanks") << QString() << u"@@"_s << u"  "_s;
    QTest::newRow("longer-never-cut") << u"123456"_s << u"@@"_s << u"123456"_s;
    QTest::newRow("left-aligned") << u"0"_s << u"!@@"_s << u"0 "_s;
    QTest::newRow("left-empty") << QString() << u"!@@@"_s << u"   "_s;
    QTest::newRow("left-longer") << u"1234"_s << u"!@@@"_s << u"1234"_s;
}

void TestFormats::fieldPattern()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, result);
    QCOMPARE(applyFieldPattern(text, pattern), result);
}

void TestFormats::windows1252RoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = fromWindows1252(all);
    QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
    QCOMPARE(text.at(0xE0), QChar(0xE0));   // a grave
    QCOMPARE(toWindows1252(text), all);
    QCOMPARE(toWindows1252(u"\u4e2d"_s), QByteArray("?"));
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
