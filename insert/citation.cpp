#include "insert/citation.hpp"

#include "data/surah_names.hpp"
#include "module/arabic_script.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

constexpr const char* kEnDash = "\u2013";

std::string ArabicIndicDigits(int number) {
  std::string out;
  for (char digit : std::to_string(number))
    AppendUtf8(out, arabic::kArabicIndicZero + static_cast<char32_t>(digit - '0'));
  return out;
}

std::string Verses(int first, int last, std::string (*number)(int)) {
  return first == last ? number(first) : number(first) + kEnDash + number(last);
}

std::string Decimal(int n) { return std::to_string(n); }

struct Run {
  int surah, first, lastSurah, last;
};

// The segments as runs of verses that follow each other without a gap.
std::vector<Run> RunsOf(const ModuleState& state, const std::vector<VerseSegment>& segments) {
  std::vector<Run> runs;
  for (const VerseSegment& s : segments) {
    const bool follows = !runs.empty() && runs.back().lastSurah + 1 == s.surah && s.firstVerse == 1 &&
                         runs.back().last == state.Surah(runs.back().lastSurah).VerseCount;
    if (follows) {
      runs.back().lastSurah = s.surah;
      runs.back().last = s.lastVerse;
    } else {
      runs.push_back({s.surah, s.firstVerse, s.surah, s.lastVerse});
    }
  }
  return runs;
}

// One run as the style writes it, without the brackets around the whole citation.
std::string RunText(const ModuleState& state, CiteStyle style, const Run& run,
                    const std::array<std::string, kSurahCount + 1>& arabicNames) {
  const auto place = [&](int surah, const std::string& verses) {
    state.Surah(surah);  // the index check
    if (style == CiteStyle::Short) return std::to_string(surah) + ":" + verses;
    if (style == CiteStyle::Arabic) return arabicNames[static_cast<std::size_t>(surah)] + ": " + verses;
    return TrimmedName(state.Surah(surah)) + " [" + std::to_string(surah) + "]: " + verses;
  };
  const auto number = style == CiteStyle::Arabic ? ArabicIndicDigits : Decimal;
  if (run.surah == run.lastSurah) return place(run.surah, Verses(run.first, run.last, number));
  const std::string dash = style == CiteStyle::Short ? kEnDash : std::string(" ") + kEnDash + " ";
  return place(run.surah, number(run.first)) + dash + place(run.lastSurah, number(run.last));
}

}  // namespace

CiteStyle ParseCiteStyle(const std::string& text) {
  if (text == "none") return CiteStyle::None;
  if (text == "qs") return CiteStyle::Qs;
  if (text == "short") return CiteStyle::Short;
  if (text == "arabic") return CiteStyle::Arabic;
  throw Error(ErrorKind::Input, "citation style \"" + text + "\" is none of none, qs, short, arabic");
}

std::string CitationText(const ModuleState& state, CiteStyle style, int surah, int firstVerse,
                         int lastVerse) {
  if (firstVerse > lastVerse) return {};
  switch (style) {
    case CiteStyle::None:
      return {};
    case CiteStyle::Qs:
      return "(QS. " + TrimmedName(state.Surah(surah)) + " [" + std::to_string(surah) +
             "]: " + Verses(firstVerse, lastVerse, Decimal) + ")";
    case CiteStyle::Short:
      return "(QS " + std::to_string(surah) + ":" + Verses(firstVerse, lastVerse, Decimal) + ")";
    case CiteStyle::Arabic: {
      const auto names = ReadArabicSurahNames(state);
      state.Surah(surah);  // the index check
      return "[" + names[static_cast<std::size_t>(surah)] + ": " +
             Verses(firstVerse, lastVerse, ArabicIndicDigits) + "]";
    }
  }
  return {};
}

std::string CitationText(const ModuleState& state, CiteStyle style,
                         const std::vector<VerseSegment>& segments) {
  if (segments.size() == 1)
    return CitationText(state, style, segments[0].surah, segments[0].firstVerse, segments[0].lastVerse);
  if (style == CiteStyle::None || segments.empty()) return {};
  const auto arabicNames =
      style == CiteStyle::Arabic ? ReadArabicSurahNames(state) : std::array<std::string, kSurahCount + 1>{};
  std::string text = style == CiteStyle::Qs ? "(QS. " : style == CiteStyle::Short ? "(QS " : "[";
  const std::string separator = style == CiteStyle::Arabic ? "\u061B " : "; ";
  const std::vector<Run> runs = RunsOf(state, segments);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (i > 0) text += separator;
    text += RunText(state, style, runs[i], arabicNames);
  }
  text += style == CiteStyle::Arabic ? "]" : ")";
  return text;
}

void InsertCitation(DocumentOps& doc, FontMode& fonts, CiteStyle style, const std::string& text) {
  if (text.empty()) return;
  if (style == CiteStyle::Arabic) {
    doc.RtlPara();
    doc.RtlRun();
    fonts.CitationFont();
  }
  doc.TypeText(text);
  doc.TypeParagraph();
  if (style == CiteStyle::Arabic) {
    fonts.EndArabic();
    doc.LtrPara();
    doc.LtrRun();
  }
}

}  // namespace pelvaron
