#include "common/basic.h"
#include "common/codepage.h"
#include "common/formats.h"
#include "common/palette.h"

#include <QTest>

using namespace enalotto;

using namespace Qt::StringLiterals;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void basic_data();
    void basic();
    void reformat_data();
    void reformat();
    void windows1252();
    void palette();
};

void TestFormats::basic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // basicVal(text)
    QTest::addColumn<QString>("str");  // basicStr(value)
    const auto row = [](const char *name, const QString &text, double value, const QString &str) {
        QTest::newRow(name) << text << value << str;
    };
    row("blanks-then-plus", u" \t\r\n+2"_s, 2, u" 2"_s);
    row("point-then-digit", u".1"_s, 0.1, u" .1"_s);
    row("leading-zero", u"07"_s, 7, u" 7"_s);
    row("stops-at-letter", u"2O26"_s, 2, u" 2"_s);
    row("letters", u"MAG2"_s, 0, u" 0"_s);
    row("empty", QString(), 0, u" 0"_s);
    row("sign-and-fraction", u"  -9.25x"_s, -9.25, u"-9.25"_s);
    row("caption-step", u"1.1"_s, 1.1, u" 1.1"_s);
    row("fifteen-digits-written", u"0.33333333333333333"_s, 1.0 / 3, u" .333333333333333"_s);
    row("exponent-without-digits", u"2E"_s, 2, u" 2"_s);
    row("lower-e-signed-exponent", u"1e+20"_s, 1e20, u" 1E+20"_s);
    row("d-exponent-after-a-fraction", u"1.5D2"_s, 150, u" 150"_s);
    row("lower-d-negative-exponent", u"5d-1"_s, 0.5, u" .5"_s);
    row("overflow-is-zero", u"1E999"_s, 0, u" 0"_s);
}

void TestFormats::basic()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, str);
    QCOMPARE(basicVal(text), value);
    QCOMPARE(basicStr(value), str);
}

void TestFormats::reformat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QLocale>("locale");
    const auto row = [](const char *name, const QString &typed, bool whole, const QString &shown,
                        const QLocale &locale = QLocale(QLocale::Italian, QLocale::Italy)) {
        QTest::newRow(name) << typed << whole << shown << locale;
    };
    row("amount-zero", u"0"_s, false, u"0,00"_s);
    row("empty-stays", QString(), false, QString());
    row("decimal-comma", u"1234,5"_s, false, u"1.234,50"_s);
    row("half-away-from-zero", u"2,5"_s, true, u"3"_s);
    row("negative-half-away", u"-2,5"_s, true, u"-3"_s);
    row("cent-half-up", u"1,005"_s, false, u"1,01"_s);
    row("carry-into-thousands", u"999,999"_s, false, u"1.000,00"_s);
    row("small-rounds-to-empty", u"0,4"_s, true, QString());
    row("below-one-keeps-its-zero", u"0,4"_s, false, u"0,40"_s);
    row("below-one-keeps-its-sign", u"-0,4"_s, false, u"-0,40"_s);
    row("negative-zero-has-no-sign", u"-0,001"_s, false, u"0,00"_s);
    row("infinity-is-not-a-number", u"inf"_s, false, u"inf"_s);
    row("fifteen-digits-kept", u"123456789012345"_s, true, u"123.456.789.012.345"_s);
    row("huge", u"1e20"_s, false, u"100.000.000.000.000.000.000,00"_s);
    row("locale-without-groups", u"-1234567.891"_s, false, u"-1234567.89"_s, QLocale::c());
}

void TestFormats::reformat()
{
    QFETCH(QString, typed);
    QFETCH(bool, whole);
    QFETCH(QString, shown);
    QFETCH(QLocale, locale);
    const NumberFormat format = whole ? NumberFormat::Whole : NumberFormat::TwoDecimals;
    QCOMPARE(reformatNumberText(typed, format, locale), shown);
    QCOMPARE(reformatNumberText(shown, format, locale), shown); // once shown, it stays
}

void TestFormats::windows1252()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = fromWindows1252(all);
    // Only 0x80-0x9F differ from Latin-1; the five bytes the code page leaves out stay controls.
    QCOMPARE(text.mid(0x80, 32), u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f\u0090‘’“”•–—˜™š›œ\u009džŸ"_s);
    QCOMPARE(text.left(0x80) + text.mid(0xA0), QString::fromLatin1(all.left(0x80) + all.mid(0xA0)));
    QCOMPARE(toWindows1252(text), all);
    QCOMPARE(toWindows1252(u"\u0080\u009f\u0100\u4e2d"_s), QByteArray("????"));
}

void TestFormats::palette()
{
    // Indices -1 to 16 as red, green and blue in hex: only an index's low four bits count.
    QString got;
    for (int index = -1; index <= 16; ++index)
        got +=
            QString::asprintf("%06x ", paletteRgb(index).red << 16 | paletteRgb(index).green << 8 |
                                           paletteRgb(index).blue);
    QCOMPARE(got, u"ffffff 000000 000080 008000 008080 800000 800080 808000 c0c0c0 808080 "
                  u"0000ff 00ff00 00ffff ff0000 ff00ff ffff00 ffffff 000000 "_s);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
