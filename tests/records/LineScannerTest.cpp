// The file's line form: how lines are split, skipped and escaped, and how values are found.
#include "records/ByteSource.h"
#include "records/TextEncoding.h"
#include "records/XmlElements.h"
#include "records/XmlLineReader.h"
#include "records/XmlLineWriter.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tav::records {
namespace {

QStringList linesOf(const QByteArray& bytes)
{
    MemoryByteSource source(bytes);
    XmlLineReader reader(source);
    QStringList lines;
    while (const auto line = reader.readXmlLine())
        lines << QString::fromUtf8(*line);
    return lines;
}

QByteArray elementLine(const QString& value)
{
    MemoryByteSink sink;
    XmlLineWriter writer(sink);
    writer.writeXmlLine(3, QLatin1StringView("Notes"), value);
    writer.finish();
    return sink.bytes;
}

// A value written into an element line and read back as the reader reads it.
QString roundTrip(const QString& value)
{
    const QByteArray line = elementLine(value);
    MemoryByteSource source(line);
    XmlLineReader reader(source);
    const QByteArrayView names[] = {"notes"};
    RecordElements elements(names);
    elements.scan(reader.readXmlLine().value_or(QByteArrayView()));
    return valueText(elements.valueOrEmpty(0));
}

TEST(LineScanner, valuesAreEscapedAndReadBackUnchanged)
{
    EXPECT_EQ(elementLine(QStringLiteral("a&b<c>d'e\"f\r\ng\th")),
              QByteArray("\t\t\t<Notes>a&amp;b&lt;c&gt;d&apos;e&quot;f&#13;&#10;g&#9;h</Notes>\r\n"));
    EXPECT_EQ(elementLine(QStringLiteral("&lt;")), QByteArray("\t\t\t<Notes>&amp;lt;</Notes>\r\n"));
    EXPECT_TRUE(elementLine(QString()).isEmpty());
    for (const QString& value :
         {QStringLiteral("a&b<c>d'e\"f\r\ng\th"), QStringLiteral("&lt;"), QStringLiteral("&amp;#13;"),
          QStringLiteral("<!-- not a comment -->"), QStringLiteral("  padded  "),
          QStringLiteral("Z\u00fcrich \u20ac \U0001F600"), QStringLiteral("</Notes><Notes>")})
        EXPECT_EQ(roundTrip(value), value);
    EXPECT_EQ(elementLine(QString(QChar(0xD800))), QByteArray("\t\t\t<Notes>\xEF\xBF\xBD</Notes>\r\n"));
}

TEST(LineScanner, linesEndAtCrLfOrBothAndBlankOrCommentLinesCarryNothing)
{
    EXPECT_EQ(linesOf("a\r\nb\rc\nd\n\re"), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(linesOf("\t\t\r\n   \r\n<!-- note -->\r\n x <!-- y\r\n\t<A> v </A> \r\n"), QStringList{"<A> v </A>"});
    EXPECT_EQ(linesOf("\t<A>\tx\t</A>"), QStringList{"<A>x</A>"});
    EXPECT_EQ(linesOf("\xEF\xBB\xBF<A>\r\n"), QStringList{"<A>"});
    EXPECT_TRUE(linesOf("").isEmpty());
    // A line longer than the reader's buffer, and a CR LF split across two reads.
    const QByteArray longLine(3 << 20, 'x');
    EXPECT_EQ(linesOf(longLine + "\r\nend"), (QStringList{QString::fromLatin1(longLine), "end"}));
    QByteArray split((1 << 20) - 1, 'y');
    EXPECT_EQ(linesOf(split + "\r\nz").size(), 2);
}

TEST(LineScanner, aLineThatIsNotUtf8IsReadAsWindows1252AndHandedOutInUtf8)
{
    EXPECT_EQ(linesOf("<A>Gr\xC3\xBCn</A>\r\n<B>Gr\xFCn \x80\x81\x9F \xC3\xBC</B>\r\n<C>\xE2\x82\xAC</C>"),
              (QStringList{QStringLiteral("<A>Gr\u00fcn</A>"),
                           QStringLiteral("<B>Gr\u00fcn \u20ac\u0081\u0178 \u00c3\u00bc</B>"),
                           QStringLiteral("<C>\u20ac</C>")}));
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    EXPECT_TRUE(isValidUtf8("Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x98\x80"));
}

TEST(LineScanner, elementsAreFoundByWholeNameFirstOccurrenceAndClosingAfterThem)
{
    const QByteArrayView names[] = {"item", "itemprice", "note", "cid"};
    const QByteArrayView record = "</Note><ItemPrice>$5</ItemPrice><ITEM>Mow</item><Item>Again</Item><Note>open";
    RecordElements elements(names);
    elements.scan(record);
    EXPECT_EQ(elements.value(0), QByteArrayView("Mow"));
    EXPECT_EQ(elements.value(1), QByteArrayView("$5"));
    EXPECT_EQ(elements.value(2), QByteArrayView()); // no closing tag after it
    EXPECT_FALSE(elements.value(3));
    EXPECT_TRUE(elements.holdsAny());
    elements.scan("<Colour>red</Colour>");
    EXPECT_FALSE(elements.holdsAny());
}

TEST(LineScanner, numberedItemsRunFromOneToTheFirstGap)
{
    const QByteArrayView none[] = {"bp"};
    RecordElements elements(none, "<PSID Number=\"", "</PSID>");
    const auto items = [&](QByteArrayView record) {
        elements.scan(record);
        QStringList values;
        for (const QByteArrayView value : elements.numberedValues())
            values << QString::fromUtf8(value);
        return values;
    };
    EXPECT_EQ(items("<PSID Number=\"2\">b</PSID><PSID Number=\"1\">a</PSID><PSID Number=\"4\">d</PSID>"),
              (QStringList{"a", "b"}));
    EXPECT_EQ(items("<PSID Number=\"01\">a</PSID><psid Number=\"1\">b</PSID>"), QStringList());
    EXPECT_EQ(items("<PSID Number=\"1\">a<PSID Number=\"2\">b</PSID>"), (QStringList{"a<PSID Number=\"2\">b", "b"}));
    EXPECT_EQ(items("<PSID Number=\"1\">cut"), QStringList{""});
    EXPECT_TRUE(elements.holdsAny());
}

TEST(LineScanner, recordStartLinesAndTheirNumbers)
{
    EXPECT_TRUE(isRecordStartLine("<Customer CID=\"12\">", "customer"));
    EXPECT_TRUE(isRecordStartLine("<CUSTOMER>", "customer"));
    EXPECT_FALSE(isRecordStartLine("<Customers>", "customer"));
    EXPECT_FALSE(isRecordStartLine("</Customer>", "customer"));
    EXPECT_EQ(recordStartNumber("<Customer CID=\"12\">", "customer", "cid"), QByteArray("12"));
    EXPECT_EQ(recordStartNumber("< customer  cid = \"0 12\" >", "customer", "cid"), QByteArray("012"));
    for (const char* bad : {"<Customer CID=\"\">", "<Customer CID=\">", "<Customer CID=12>", "<Customer ID=\"1\">"})
        EXPECT_TRUE(recordStartNumber(bad, "customer", "cid").isEmpty()) << bad;
}

TEST(LineScanner, valuesLoseSeparatorsAndResolveOnlyTheWritersReferences)
{
    EXPECT_EQ(valueText("a\x01"
                        "b\x02"
                        "c"),
              QStringLiteral("abc"));
    EXPECT_EQ(valueText("&amp;lt;&#65;&unknown;&"), QStringLiteral("&lt;&#65;&unknown;&"));
    EXPECT_EQ(valueText("caf\xC3\xA9 &amp;"), QStringLiteral("caf\u00e9 &"));
}

} // namespace
} // namespace tav::records
