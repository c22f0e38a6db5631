// The pack builder end to end on a small made-up package: what the engine reads back.

#include "pack/pack_builder.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "data/divisions.hpp"
#include "data/latin_text.hpp"
#include "data/surah_index.hpp"
#include "insert/arabic_insert.hpp"
#include "insert/translation.hpp"
#include "latin/transliterate.hpp"
#include "module/error.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/support/typed_text_sink.hpp"

namespace pelvaron::pack {
namespace {

using nlohmann::json;

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// 114 surahs; surah 1 has the verses given, every other one verse "kata" / "\u0643".
json Package(const json& firstSurahVerses) {
  json surahs = json::array();
  for (int s = 1; s <= 114; ++s) {
    json verses =
        s == 1 ? firstSurahVerses : json::array({{{"id", 1}, {"text", "\u0643"}, {"translation", "kata"}}});
    surahs.push_back({{"id", s},
                      {"transliteration", s == 1 ? "Al-F\u0101tihah" : "Surah " + std::to_string(s)},
                      {"total_verses", verses.size()},
                      {"verses", verses}});
  }
  return surahs;
}

json Verse(int id, const std::string& arabic, const std::string& translation) {
  return {{"id", id}, {"text", arabic}, {"translation", translation}};
}

class PackBuilder : public ::testing::Test {
 protected:
  void WritePackage(const json& surahs) {
    WriteFile(source() / "package.json", R"({"name": "quran-json", "version": "3.1.2"})");
    WriteFile(source() / "LICENSE.txt", "licence text\n");
    WriteFile(source() / "dist" / "quran_id.json", surahs.dump());
  }
  PackSummary Build(std::optional<std::filesystem::path> notes = std::nullopt,
                    const std::function<void(PackRequest&)>& adjust = {}) {
    PackRequest request;
    request.source = source();
    request.out = dir_.path() / "app" / "DataQuran";
    request.notes = notes;
    request.progress = [this](int surah) { progress_.push_back(surah); };
    if (adjust) adjust(request);
    return BuildPack(request);
  }
  ModuleState Load() {
    ModuleState state;
    LoadModuleState(state, dir_.path() / "app");
    return state;
  }
  std::filesystem::path source() const { return dir_.path() / "package"; }
  std::filesystem::path data(const std::string& name) const {
    return dir_.path() / "app" / "DataQuran" / name;
  }

  testing::TempDir dir_;
  std::vector<int> progress_;
};

const json kFatihah = json::array({
    Verse(1, "\u0628\u0650\u0633\u06e1\u0645\u0650 \u0671\u0644\u0644\u0651\u064e\u0647\u0650",
          "dengan nama Allah,6) Yang Maha Pengasih"),
    Verse(2,
          "\u0671\u0644\u06e1\u062d\u064e\u0645\u06e1\u062f\u064f\u2009\u0644\u0650\u0644\u0651\u064e\u0647"
          "\u0650",
          "Segala puji bagi Allah, Tuhan seluruh alam 7) R\u0101hman"),
});

TEST_F(PackBuilder, SurahIndexAndPositionsReadBack) {
  WritePackage(Package(kFatihah));
  const PackSummary summary = Build();
  const ModuleState state = Load();
  EXPECT_EQ(state.SurahTable[1].SurahName, "Al-Fatihah" + std::string(20, ' '));
  EXPECT_EQ(state.SurahTable[1].VerseCount, 2);
  EXPECT_EQ(state.SurahTable[114].VerseCount, 1);
  EXPECT_EQ(state.VersePos[1], 0);
  EXPECT_EQ(state.VersePos[2], 2);
  EXPECT_EQ(state.VersePos[114], 114);
  EXPECT_EQ(summary.verses, 115);
  EXPECT_EQ(ReadFile(data("pos_depag.txt")).substr(0, 9), "0\r\n2\r\n3\r\n");
  EXPECT_EQ(progress_.size(), 114u);
  EXPECT_EQ(progress_.back(), 114);
}

TEST_F(PackBuilder, ArabicComesBackWithStandardTanweenAndTheChosenVerseEnd) {
  // The open tanween of 2:2, 2:7 and 2:17 as quran-json writes them (U+0657, U+065E, U+0656).
  const json verses =
      json::array({kFatihah[0], kFatihah[1],
                   Verse(3, "\u0647\u064f\u062f\u0657\u0649 \u0629\u065e \u062a\u0656\u0656", "c")});
  const std::string standard = "\u0647\u064f\u062f\u08f0\u0649 \u0629\u08f1 \u062a\u08f2\u08f2";
  struct Case {
    VerseEnd verseEnd;
    std::string one, three;  // what closes verses 1 and 3
  };
  for (const Case& c : {Case{VerseEnd::AyahSign, " \u06dd\u0661 ", " \u06dd\u0663 "},
                        Case{VerseEnd::Brackets, " \u200e\ufd3e\u200e\u0661\u200e\ufd3f\u200e ",
                             " \u200e\ufd3e\u200e\u0663\u200e\ufd3f\u200e "}}) {
    WritePackage(Package(verses));
    const PackSummary summary = Build(std::nullopt, [&](PackRequest& r) { r.verseEnd = c.verseEnd; });
    const ModuleState state = Load();
    testing::TypedTextSink sink;
    InsertArabicRange(state, sink, 1, 1, 3, false);
    ASSERT_GE(sink.paragraphs.size(), 3u);
    EXPECT_EQ(sink.paragraphs[0], kFatihah[0]["text"].get<std::string>() + c.one);
    EXPECT_EQ(sink.paragraphs[1].find(kFatihah[1]["text"].get<std::string>()), 0u);  // thin space kept
    EXPECT_EQ(sink.paragraphs[2], standard + c.three);
    EXPECT_EQ(summary.arabicMarksMapped, 4);
    EXPECT_NE(ReadFile(data("ATTRIBUTION.txt")).find("4 open tanween marks"), std::string::npos);
  }
  const std::string aqo2 = ReadFile(data("AQO2.TXT"));
  EXPECT_EQ(aqo2.substr(0, 20),
            "6|5712_6|5701_6|5857");  // last piece first: U+0650 U+0645 U+06E1, + 4096  // The Latin of each
                                      // verse, from the standard Arabic.
  const std::vector<std::string> latin = ReadLatinLines(Load());
  ASSERT_GE(latin.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(latin.begin(), latin.begin() + 3),
            (std::vector<std::string>{
                "Bismillāh(i).", "Al-ḥamdu lillāh(i).",
                TransliterateVerse(standard, latin::JoinedWordsOf(ReadLatinJoinedWords(Load())))}));
}

TEST_F(PackBuilder, SettingsFileNamesTheArabicFontOrIsLeftOut) {
  WritePackage(Package(kFatihah));
  Build();  // the default names Amiri Quran
  EXPECT_EQ(ReadFile(data("pelvaron.ini")), "ArabicFont=Amiri Quran\r\n");
  EXPECT_EQ(Load().ArabicFont, "Amiri Quran");
  Build(std::nullopt, [](PackRequest& r) { r.arabicFont.clear(); });  // a rebuild drops the old file
  EXPECT_FALSE(std::filesystem::exists(data("pelvaron.ini")));
  EXPECT_EQ(Load().ArabicFont, "");
  EXPECT_THROW(Build(std::nullopt, [](PackRequest& r) { r.arabicFont = "two\nlines"; }), Error);
}

TEST_F(PackBuilder, TranslationWithoutNotesLosesTheFootnoteNumbers) {
  WritePackage(Package(kFatihah));
  const PackSummary summary = Build();
  const ModuleState state = Load();
  EXPECT_EQ(BuildVerseTranslation(state, 1, 1), "1.  Dengan nama Allah, Yang Maha Pengasih");
  EXPECT_EQ(BuildVerseTranslation(state, 1, 2), "2.  Segala puji bagi Allah, Tuhan seluruh alam Rahman");
  EXPECT_EQ(BuildVerseTranslation(state, 2, 1), "1.  Kata");
  EXPECT_EQ(summary.markersRemoved, 2);
  EXPECT_EQ(summary.markersWritten, 0);
  EXPECT_EQ(summary.mappedCharacters, 2);  // ā in the name and in the translation
  EXPECT_EQ(ReadFile(data("Note Per Kata.dat")), "");
}

TEST_F(PackBuilder, EachDistinctWordIsStoredOnce) {
  WritePackage(Package(kFatihah));
  const PackSummary summary = Build();
  // "Allah," twice, "kata" in 113 surahs: 6 + 8 words of surah 1 less the repeat, plus "kata"
  EXPECT_EQ(summary.groups, 6 + 8 - 1 + 1);
  const std::string groups = ReadFile(data("GROUP_KATA.dat"));
  EXPECT_EQ(groups.find("Allah,"), groups.rfind("Allah,"));
  EXPECT_EQ(ReadFile(data("GROUP_KATA.idx")).size(), 4u * (14 + 1));  // with the closing entry
}

TEST_F(PackBuilder, NotesFileGivesMarkersAndNoteRecords) {
  WritePackage(Package(kFatihah));
  WriteFile(dir_.path() / "notes.txt", "6\t<i>Allah</i> adalah nama\r\n\n9\tcatatan tak terpakai\n");
  const PackSummary summary = Build(dir_.path() / "notes.txt");
  const ModuleState state = Load();
  EXPECT_EQ(BuildVerseTranslation(state, 1, 1), "1.  Dengan nama Allah,[6] Yang Maha Pengasih");
  EXPECT_EQ(BuildVerseTranslation(state, 1, 2), "2.  Segala puji bagi Allah, Tuhan seluruh alam Rahman");
  EXPECT_EQ(BuildNoteText(state, 6), "[6]  Allah adalah nama");
  EXPECT_EQ(BuildNoteText(state, 9), "[9]  catatan tak terpakai");
  EXPECT_EQ(summary.notes, 2);
  EXPECT_EQ(summary.markersWritten, 1);
  EXPECT_EQ(summary.markersRemoved, 1);  // note 7 is not in the file
  testing::TypedTextSink sink;
  InsertTranslationRange(state, sink, 1, 1, 2);
  EXPECT_EQ(sink.paragraphs[3], "[6]  Allah adalah nama");
}

TEST_F(PackBuilder, LicenceAndAttributionTravelWithThePack) {
  WritePackage(Package(kFatihah));
  Build();
  EXPECT_EQ(ReadFile(data("LICENSE.txt")), "licence text\n");
  const std::string attribution = ReadFile(data("ATTRIBUTION.txt"));
  EXPECT_NE(attribution.find("quran-json 3.1.2"), std::string::npos) << attribution;
  EXPECT_NE(attribution.find("footnote numbers removed"), std::string::npos) << attribution;
}

TEST_F(PackBuilder, BadSourcesAreErrorsNamingThePlace) {
  const auto expectError = [this](const std::string& fragment) {
    try {
      Build();
      ADD_FAILURE() << "no error, expected one naming " << fragment;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
  };
  json surahs = Package(kFatihah);
  surahs.erase(surahs.size() - 1);
  WritePackage(surahs);
  expectError("114 surahs");

  surahs = Package(kFatihah);
  surahs[0]["total_verses"] = 3;
  WritePackage(surahs);
  expectError("surah 1: total_verses 3 but 2 verses");

  surahs = Package(kFatihah);
  surahs[4]["verses"][0].erase("translation");
  WritePackage(surahs);
  expectError("surah 5 verse 1: no \"translation\"");

  surahs = Package(kFatihah);
  surahs[1]["verses"][0]["translation"] = "kata [lihat]";
  WritePackage(surahs);
  expectError("surah 2 verse 1: the translation holds \"[\"");

  WriteFile(source() / "dist" / "quran_id.json", "[{");
  expectError("not valid JSON");
  EXPECT_FALSE(std::filesystem::exists(data("AQO2.TXT")));  // nothing written from a bad source
}

TEST_F(PackBuilder, BadNotesFileIsAnErrorNamingTheLine) {
  WritePackage(Package(kFatihah));
  for (const char* notes : {"6 no tab\n", "1\tone\n1\tagain\n", "40000\ttoo high\n", "x\tno number\n"}) {
    WriteFile(dir_.path() / "notes.txt", notes);
    try {
      Build(dir_.path() / "notes.txt");
      ADD_FAILURE() << "accepted " << notes;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("notes.txt line"), std::string::npos) << e.what();
    }
  }
}

// quran-meta's lists as the node step writes them, for a package whose surah 1 has 700
// verses: division n of every kind starts at verse n, the last page at 2:1, sajdah n is n + 1.
json DivisionLists() {
  json lists = {
      {"package", "quran-meta"}, {"version", "6.0.17"}, {"license", "MIT License\n\nCopyright (c)\n"}};
  for (const DivisionKindFormat& kind : kDivisionKinds) {
    json verses = json::array();
    for (int n = 1; n <= kind.count; ++n) verses.push_back(kind.name == "sajdah" ? n + 1 : n);
    lists[std::string(kind.name)] = verses;
  }
  lists["page"].back() = 701;
  return lists;
}

json SevenHundredVerses() {
  json verses = json::array();
  for (int v = 1; v <= 700; ++v) verses.push_back(Verse(v, "\u0643", "kata"));
  return verses;
}

TEST_F(PackBuilder, DivisionsComeFromQuranMetasListsAndLeaveWithThem) {
  WritePackage(Package(SevenHundredVerses()));
  WriteFile(dir_.path() / "divisions.json", DivisionLists().dump());
  Build(std::nullopt, [this](PackRequest& r) { r.divisions = dir_.path() / "divisions.json"; });
  const ModuleState state = Load();
  const Divisions divisions = ReadDivisions(state);
  EXPECT_EQ(DivisionSpan(divisions, DivisionKind::Page, 603, state).last, (VerseRef{1, 700}));
  EXPECT_EQ(DivisionSpan(divisions, DivisionKind::Page, 604, state).first, (VerseRef{2, 1}));
  EXPECT_EQ(DivisionSpan(divisions, DivisionKind::Juz, 30, state).last, (VerseRef{114, 1}));
  EXPECT_EQ(divisions.Of(DivisionKind::Sajdah).back(), (VerseRef{1, 16}));
  EXPECT_EQ(ReadFile(data("divisions.txt")).substr(0, 22), "juz 1 1:1\r\njuz 2 1:2\r\n");
  const std::string attribution = ReadFile(data("ATTRIBUTION.txt"));
  EXPECT_NE(attribution.find("quran-meta 6.0.17"), std::string::npos) << attribution;
  EXPECT_NE(attribution.find("MIT License\r\n\r\nCopyright (c)\r\n"), std::string::npos) << attribution;
  Build();  // a rebuild without the lists leaves no file of the old ones
  EXPECT_FALSE(std::filesystem::exists(data("divisions.txt")));
  EXPECT_EQ(ReadFile(data("ATTRIBUTION.txt")).find("quran-meta"), std::string::npos);
}

TEST_F(PackBuilder, BadDivisionListsAreErrorsNamingTheKindAndEntry) {
  WritePackage(Package(SevenHundredVerses()));
  const auto lists = [](const std::function<void(json&)>& change) {
    json l = DivisionLists();
    change(l);
    return l.dump();
  };
  for (const auto& [text, fragment] : std::vector<std::pair<std::string, std::string>>{
           {lists([](json& l) { l["juz"].erase(29); }), "juz: 29 entries, 30 expected"},
           {lists([](json& l) { l["page"][603] = 814; }), "page 604: verse 814 lies outside the 813 verses"},
           {lists([](json& l) { l["ruku"][9] = 9; }), "ruku 10: verse 9 is not after 9"},
           {lists([](json& l) {
              l["manzil"][0] = 2;
              l["manzil"][1] = 3;
            }),
            "manzil 1 starts at verse 2, not 1"},
           {lists([](json& l) { l.erase("sajdah"); }), "no \"sajdah\""},
           {lists([](json& l) { l["quarter"] = "1 2 3"; }), "\"quarter\" is not a list of numbers"},
           {"[1, 2]", "not a JSON object"}}) {
    WriteFile(dir_.path() / "divisions.json", text);
    try {
      Build(std::nullopt, [this](PackRequest& r) { r.divisions = dir_.path() / "divisions.json"; });
      ADD_FAILURE() << "accepted lists expected to fail with " << fragment;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(data("AQO2.TXT")));  // nothing written from bad lists
  }
}

}  // namespace
}  // namespace pelvaron::pack
