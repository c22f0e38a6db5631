// Requests across surahs on a small pack: the segments, the headings and basmala lines,
// the per-surah blocks and the citation of the whole range.

#include "insert/segments.hpp"

#include "insert/insert_request.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "module/error.hpp"
#include "pack/format_writer.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/typed_text_sink.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;
using testing::TypedTextSink;

// Surahs 1 to 10 with two verses each, surah 9 three. Verse 1:1 is two words, "\u0628" and a
// closing "\u0661", so the basmala is "\u0628"; every other verse is its global number in
// Arabic-Indic digits, its translation "word<global>".
class SegmentsInsert : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteSmallPack(f.folder, {2, 2, 2, 2, 2, 2, 2, 2, 3, 2});
    std::vector<std::string> arabic{
        pack::ArabicLine({{pack::GlyphPieceText('6', 0x0628)}, {pack::GlyphPieceText('6', 0x0661)}})};
    for (int g = 2; g <= 21; ++g) {
      std::vector<std::string> pieces;
      for (char digit : std::to_string(g))
        pieces.push_back(pack::GlyphPieceText('6', 0x0660 + (digit - '0')));
      arabic.push_back(pack::ArabicLine({pieces}));
    }
    f.folder.WriteArabicLines(arabic);
    std::string names;
    for (int s = 1; s <= kSurahCount; ++s) names += "\u0633" + std::to_string(s) + "\n";
    f.folder.Write("surahnames.txt", names);
    f.Load();
  }
  std::vector<std::string> Typed(VerseRef first, VerseRef last, InsertWhat what, CiteStyle cite,
                                 bool perVerse = false) {
    InsertRequest request;
    request.what = what;
    request.cite = cite;
    request.perVerse = perVerse;
    request.segments = SegmentsBetween(f.state, first, last);
    TypedTextSink sink;
    EXPECT_TRUE(RunInsertRequest(f.state, sink, request));
    return sink.paragraphs;
  }
  DataFixture f;
};

TEST_F(SegmentsInsert, SplitsARangeAtEachSurah) {
  struct Case {
    VerseRef first, last;
    std::vector<std::vector<int>> segments;  // surah, first, last
  };
  for (const Case& c : std::vector<Case>{{{8, 2}, {10, 1}, {{8, 2, 2}, {9, 1, 3}, {10, 1, 1}}},
                                         {{2, 1}, {2, 2}, {{2, 1, 2}}},
                                         {{1, 2}, {2, 1}, {{1, 2, 2}, {2, 1, 1}}}}) {
    std::vector<std::vector<int>> got;
    for (const VerseSegment& s : SegmentsBetween(f.state, c.first, c.last))
      got.push_back({s.surah, s.firstVerse, s.lastVerse});
    EXPECT_EQ(got, c.segments) << VerseRefText(c.first);
  }
  ExpectError(ErrorKind::Input, "3:1 comes after 2:2", [&] { SegmentsBetween(f.state, {3, 1}, {2, 2}); });
  ExpectError(ErrorKind::Input, kVerseMissing, [&] { SegmentsBetween(f.state, {10, 1}, {11, 1}); });
  ExpectError(ErrorKind::Input, kVerseMissing, [&] { SegmentsBetween(f.state, {2, 3}, {3, 1}); });
}

TEST_F(SegmentsInsert, HeadsEachSurahEnteredAtItsFirstVerseWithBasmalaButAtTaubah) {
  // clang-format off
  const std::vector<std::string> expected{
      "\u0661\u0666 ", "2.  Word16", "",                                // 8:2, no heading
      "Surat Surah9", "\u0633\u0648\u0631\u0629 \u06339",                 // no basmala
      "\u0661\u0667 \u0661\u0668 \u0661\u0669 ", "1.  Word17", "2.  Word18", "3.  Word19", "",
      "Surat Surah10", "\u0633\u0648\u0631\u0629 \u063310", "\u0628",   // the basmala
      "\u0662\u0660 ", "1.  Word20", "",
      "(QS. Surah8 [8]: 2 \u2013 Surah10 [10]: 1)", ""};
  // clang-format on
  EXPECT_EQ(Typed({8, 2}, {10, 1}, InsertWhat::All, CiteStyle::Qs), expected);
}

// A translation alone: headings, but no Arabic basmala line.
TEST_F(SegmentsInsert, AlFatihahHasNoBasmalaLineAndVerseByVerseStaysPerSurah) {
  const std::vector<std::string> expected{"Surat Surah1",
                                          "\u0633\u0648\u0631\u0629 \u06331",
                                          "1.  Word1",
                                          "2.  Word2",
                                          "",
                                          "Surat Surah2",
                                          "\u0633\u0648\u0631\u0629 \u06332",
                                          "1.  Word3",
                                          "",
                                          "(QS 1:1\u20132:1)",
                                          ""};
  EXPECT_EQ(Typed({1, 1}, {2, 1}, InsertWhat::Translation, CiteStyle::Short), expected);
  const auto perVerse = Typed({1, 2}, {2, 1}, InsertWhat::All, CiteStyle::Arabic, true);
  EXPECT_EQ(perVerse.back(), "");
  EXPECT_EQ(perVerse[perVerse.size() - 2], "[\u06331: \u0662 \u2013 \u06332: \u0661]");
}

// "S:V" as the Insert URL and the command line give it, and a front end's choice of verses.
TEST_F(SegmentsInsert, ReadsVersesAsWrittenAndChoosesTheirSegments) {
  for (const auto& [text, want] :
       std::vector<std::pair<std::string, std::optional<VerseRef>>>{{"78:1", VerseRef{78, 1}},
                                                                    {"114:006", VerseRef{114, 6}},
                                                                    {"0:0", VerseRef{0, 0}},
                                                                    {"78", {}},
                                                                    {"78:", {}},
                                                                    {":1", {}},
                                                                    {"7a:1", {}},
                                                                    {"-1:2", {}},
                                                                    {"+1:2", {}},
                                                                    {"1000:1", {}},
                                                                    {"1:2:3", {}},
                                                                    {" 1:2", {}},
                                                                    {"", {}}})
    EXPECT_EQ(ParseVerseRef(text), want) << '"' << text << '"';
  EXPECT_TRUE(ChosenSegments(f.state, {}).empty());
  EXPECT_EQ(ChosenSegments(f.state, {.from = VerseRef{2, 2}, .to = VerseRef{3, 1}}).size(), 2u);
  ExpectError(ErrorKind::File, "divisions.txt", [&] { ChosenSegments(f.state, {.juz = 30}); });
  ExpectError(ErrorKind::File, "divisions.txt", [&] { ChosenSegments(f.state, {.page = 1}); });
}

TEST_F(SegmentsInsert, WhatThePackLacksFailsBeforeAnythingIsTyped) {
  std::filesystem::remove(f.state.DataFile("surahnames.txt"));
  InsertRequest request;
  request.segments = SegmentsBetween(f.state, {1, 2}, {2, 1});
  TypedTextSink sink;
  ExpectError(ErrorKind::File, "surahnames.txt", [&] { RunInsertRequest(f.state, sink, request); });
  request.segments = SegmentsBetween(f.state, {1, 2}, {1, 2});  // no heading, but the Latin
  request.latin = true;
  ExpectError(ErrorKind::File, "latin.txt", [&] { RunInsertRequest(f.state, sink, request); });
  for (const std::vector<VerseSegment>& bad :
       {std::vector<VerseSegment>{{2, 2, 1}}, {{3, 1, 1}, {2, 1, 1}}, {{2, 1, 1}, {2, 2, 2}}}) {
    request.segments = bad;
    ExpectError(ErrorKind::Input, "out of order", [&] { CheckInsertRequest(f.state, request); });
  }
  ExpectError(ErrorKind::Input, "without verses", [&] { CheckSegments(f.state, {}); });
  request.segments = {{2, 2, 1}};
  ExpectError(ErrorKind::Input, "out of order", [&] { RunInsertRequest(f.state, sink, request); });
  EXPECT_EQ(sink.paragraphs, std::vector<std::string>{""});
}

}  // namespace
}  // namespace pelvaron
