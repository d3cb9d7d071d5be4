// Text lines from Windows files and from our own builder, as UTF-8.

#include <gtest/gtest.h>

#include "levels/text_encoding.h"

namespace lorvix {
namespace {

TEST(Cp1252, LatinOneRangeAndTheSpecialBlock) {
  EXPECT_EQ(Cp1252ToUtf8("Stra\xDF" "e \xC4\xD6\xDC\xE4\xF6\xFC"), "Straße ÄÖÜäöü");
  EXPECT_EQ(Cp1252ToUtf8("\x80\x84\x93\x94\x96\x99\x9F"), "€„“”–™Ÿ");
  EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\u00A0ÿ");
  EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, UndefinedBytesBecomeTheControlCharactersOfTheSameNumber) {
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Utf8, ValidityRejectsMalformedSequences) {
  EXPECT_TRUE(IsValidUtf8("Grüße €😀"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));  // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xFC\x80"));
}

TEST(TextLine, Utf8IsKeptAndEverythingElseIsConverted) {
  EXPECT_EQ(TextLineToUtf8("Grüße"), "Grüße");
  EXPECT_EQ(TextLineToUtf8("Gr\xFC\xDF" "e"), "Grüße");
  // Bytes that happen to look like a UTF-8 pair in a Windows line still
  // convert as a whole when any other byte is not UTF-8.
  EXPECT_EQ(TextLineToUtf8("\xC3\xA4 \xE4"), "Ã¤ ä");
  EXPECT_EQ(TextLineToUtf8("plain"), "plain");
}

TEST(TextLine, TruncationCountsCharactersNotBytes) {
  EXPECT_EQ(TruncateUtf8("äöü", 2), "äö");
  EXPECT_EQ(TruncateUtf8("ab", 5), "ab");
  EXPECT_EQ(TruncateUtf8("€x", 0), "");
}

TEST(TextLine, ACutOffSequenceAtTheEndIsDropped) {
  std::string cut = "ab\xE2\x82";  // € without its last byte
  DropIncompleteUtf8Tail(cut);
  EXPECT_EQ(cut, "ab");
  std::string whole = "ab\xE2\x82\xAC";
  DropIncompleteUtf8Tail(whole);
  EXPECT_EQ(whole, "ab€");
  std::string windows = "ab\xE4";
  DropIncompleteUtf8Tail(windows);
  EXPECT_EQ(windows, "ab");
}

}  // namespace
}  // namespace lorvix
