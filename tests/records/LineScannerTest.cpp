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
    const LinePiece piece = readLinePiece(reader.readXmlLine().value_or(QByteArrayView()));
    EXPECT_EQ(piece.kind, LinePiece::Kind::Element);
    return valueText(piece.value);
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
    // The five bytes Windows-1252 leaves undefined are kept as the control characters of their
    // numbers, so that a save writes them back.
    EXPECT_EQ(linesOf("<A>Gr\xC3\xBCn</A>\r\n<B>Gr\xFCn \x80\x81\x8D\x8F\x90\x9D\x9F</B>\r\n<C>\xE2\x82\xAC</C>"),
              (QStringList{QStringLiteral("<A>Gr\u00fcn</A>"),
                           QStringLiteral("<B>Gr\u00fcn \u20ac\u0081\u008d\u008f\u0090\u009d\u0178</B>"),
                           QStringLiteral("<C>\u20ac</C>")}));
    // A line of both keeps each: its UTF-8 sequences, and its other bytes as Windows-1252. It says so.
    const QByteArray mixed = "<A>Gr\xC3\xBCn</A>\r\n<B>M\xC3\xBCller \xE9t\xE9 \x81</B>\r\n";
    MemoryByteSource source(mixed);
    XmlLineReader reader(source);
    EXPECT_TRUE(reader.readXmlLine());
    EXPECT_FALSE(reader.lineWasMixed());
    EXPECT_EQ(QString::fromUtf8(*reader.readXmlLine()), QStringLiteral("<B>M\u00fcller \u00e9t\u00e9 \u0081</B>"));
    EXPECT_TRUE(reader.lineWasMixed());
    EXPECT_EQ(reader.lineNumber(), 2);
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    EXPECT_TRUE(isValidUtf8("Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x98\x80"));
}

// A piece's kind, tag, closing name and value, joined by "|".
QString pieceOf(QByteArrayView text)
{
    const LinePiece piece = readLinePiece(text);
    static const char* const kinds[] = {"Tag", "Element", "Opening", "Closing", "Text", "Malformed"};
    return QStringList{kinds[int(piece.kind)], QString::fromUtf8(piece.tag), QString::fromUtf8(piece.closingName),
                       QString::fromUtf8(piece.value)}
        .join(QLatin1Char('|'));
}

TEST(LineScanner, eachPieceOfALineIsATagAnElementOrAPartOfAValueAndAnythingElseIsNoneOfThem)
{
    EXPECT_EQ(pieceOf("<Customer CID=\"1\">"), "Tag|Customer CID=\"1\"||");
    EXPECT_EQ(pieceOf("</Customer>"), "Tag|/Customer||");
    EXPECT_EQ(pieceOf("<FName>Anna</FName>"), "Element|FName|FName|Anna");
    EXPECT_EQ(pieceOf("<FName>Anna</FNme>"), "Element|FName|FNme|Anna"); // the reader finds the names apart
    EXPECT_EQ(pieceOf("<Note></Note>"), "Element|Note|Note|");
    EXPECT_EQ(pieceOf("<PSID Number=\"2\">7x3</PSID>"), "Element|PSID Number=\"2\"|PSID|7x3");
    // A value that an older file broke over lines.
    EXPECT_EQ(pieceOf("<Notes>Gate"), "Opening|Notes||Gate");
    EXPECT_EQ(pieceOf("code 4"), "Text|||code 4");
    EXPECT_EQ(pieceOf("Dog</Notes>"), "Closing||Notes|Dog");
    // The writer escapes "<" and ">" in every value: a piece holding them anywhere else is damaged.
    for (const char* damaged : {"<FName>An>na</FName>", "<FName>Anna<</FName>", "<FNameAnna</FName>x",
                                "</FName>Anna</FName>", "<FName>Anna</FName>x", "<FName>Anna/FName>", "FName>Anna",
                                "<FName>Anna</FName></LName>", "<FN<ame>Anna</FName>", "<FN", ""})
        EXPECT_TRUE(pieceOf(damaged).startsWith("Malformed")) << damaged;
}

TEST(LineScanner, aLineWhoseLineBreaksWereLostIsReadPieceByPiece)
{
    const auto pieces = [](QByteArrayView line) {
        QStringList found;
        forEachLinePiece(line, [&](QByteArrayView text, const LinePiece&) { found << QString::fromUtf8(text); });
        return found;
    };
    EXPECT_EQ(pieces("</Customer><Customer CID=\"3\">"), (QStringList{"</Customer>", "<Customer CID=\"3\">"}));
    EXPECT_EQ(pieces("<FName>A</FName><LName>B</LName><Current>No</Current>"),
              (QStringList{"<FName>A</FName>", "<LName>B</LName>", "<Current>No</Current>"}));
    EXPECT_EQ(pieces("<Note></Note>"), QStringList{"<Note></Note>"});
    EXPECT_EQ(pieces("<FName>A</FName>junk"), QStringList{"<FName>A</FName>junk"});
    EXPECT_EQ(numberedElementNumber("PSID Number=\"12\"", "PSID Number=\""), 12);
    for (const char* tag : {"PSID Number=\"012\"", "PSID Number=\"\"", "psid Number=\"1\"", "PSID Number=\"",
                            "PSID Number=\"1", "PSID Number=\"1234567890\""})
        EXPECT_EQ(numberedElementNumber(tag, "PSID Number=\""), -1) << tag;
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
