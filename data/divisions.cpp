#include "data/divisions.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

#include "data/line_reader.hpp"
#include "data/read_only_file.hpp"
#include "module/error.hpp"

namespace pelvaron {
namespace {

struct DivisionLine {
  std::string_view kind;
  int number = 0;
  VerseRef verse;
};

// 1 to 5 decimal digits, nothing else.
std::optional<int> SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<DivisionLine> ParseLine(std::string_view line) {
  const std::size_t space1 = line.find(' ');
  const std::size_t space2 = line.find(' ', space1 == line.npos ? line.npos : space1 + 1);
  const std::size_t colon = line.find(':', space2 == line.npos ? line.npos : space2 + 1);
  if (space1 == line.npos || space2 == line.npos || colon == line.npos) return std::nullopt;
  const auto number = SmallNumber(line.substr(space1 + 1, space2 - space1 - 1));
  const auto surah = SmallNumber(line.substr(space2 + 1, colon - space2 - 1));
  const auto verse = SmallNumber(line.substr(colon + 1));
  if (!number || !surah || !verse) return std::nullopt;
  return DivisionLine{line.substr(0, space1), *number, {*surah, *verse}};
}

int KindIndex(std::string_view name) {
  for (int k = 0; k < kDivisionKindCount; ++k)
    if (kDivisionKinds[static_cast<std::size_t>(k)].name == name) return k;
  return -1;
}

std::string Shortfall(const Divisions& divisions, int kind) {
  const DivisionKindFormat& format = kDivisionKinds[static_cast<std::size_t>(kind)];
  const std::size_t have = divisions.starts[static_cast<std::size_t>(kind)].size();
  if (have == static_cast<std::size_t>(format.count)) return {};
  return std::to_string(have) + " " + std::string(format.name) + " lines, " + std::to_string(format.count) +
         " needed";
}

// Why the line cannot follow what was read before it; empty when it can.
std::string Misfit(const Divisions& divisions, int current, int kind, const DivisionLine& line,
                   const ModuleState& state) {
  if (kind < 0) return "unknown kind \"" + std::string(line.kind) + "\"";
  if (kind < current)
    return std::string(line.kind) + " after the " +
           std::string(kDivisionKinds[static_cast<std::size_t>(current)].name) + " lines";
  for (int k = current; k < kind; ++k)
    if (auto why = Shortfall(divisions, k); !why.empty()) return why;
  const std::vector<VerseRef>& starts = divisions.starts[static_cast<std::size_t>(kind)];
  if (line.number != static_cast<int>(starts.size()) + 1)
    return std::string(line.kind) + " " + std::to_string(line.number) + " where " +
           std::to_string(starts.size() + 1) + " is due";
  if (const int count = kDivisionKinds[static_cast<std::size_t>(kind)].count; line.number > count)
    return "more than " + std::to_string(count) + " " + std::string(line.kind) + " lines";
  const VerseRef v = line.verse;
  if (v.surah < 1 || v.surah > kSurahCount || v.verse < 1 || v.verse > state.Surah(v.surah).VerseCount)
    return "no verse " + VerseRefText(v) + " in the surah index";
  if (!starts.empty() && v <= starts.back())
    return VerseRefText(v) + " is not after " + VerseRefText(starts.back());
  if (starts.empty() && kind != static_cast<int>(DivisionKind::Sajdah) && v != VerseRef{1, 1})
    return "the first " + std::string(line.kind) + " starts at " + VerseRefText(v) + ", not 1:1";
  return {};
}

}  // namespace

std::string VerseRefText(VerseRef ref) { return std::to_string(ref.surah) + ":" + std::to_string(ref.verse); }

Divisions ReadDivisions(const ModuleState& state) {
  ReadOnlyFile file(state.DataFile(std::string(kDivisionsFile)), state.Files.get());
  LineReader lines(file);
  Divisions divisions;
  int current = 0;
  std::string text;
  for (int n = 1; lines.Next(text); ++n) {
    const auto at = [&](const std::string& why) {
      return Error(ErrorKind::BadRecord, file.name() + ": line " + std::to_string(n) + ": " + why);
    };
    const auto line = ParseLine(text);
    if (!line) throw at("\"" + text + "\" is not \"<kind> <number> <surah>:<verse>\"");
    const int kind = KindIndex(line->kind);
    if (auto why = Misfit(divisions, current, kind, *line, state); !why.empty()) throw at(why);
    current = kind;
    divisions.starts[static_cast<std::size_t>(kind)].push_back(line->verse);
  }
  for (int k = current; k < kDivisionKindCount; ++k)
    if (auto why = Shortfall(divisions, k); !why.empty())
      throw Error(ErrorKind::PastEnd, file.name() + ": the file ends with " + why);
  return divisions;
}

VerseSpan DivisionSpan(const Divisions& divisions, DivisionKind kind, int number, const ModuleState& state) {
  const std::vector<VerseRef>& starts = divisions.Of(kind);
  const DivisionKindFormat& format = kDivisionKinds[static_cast<std::size_t>(kind)];
  if (number < 1 || number > static_cast<int>(starts.size()))
    throw Error(ErrorKind::Input, std::string(format.name) + " " + std::to_string(number) +
                                      " does not exist (1 to " + std::to_string(starts.size()) + ")");
  VerseSpan span{starts[static_cast<std::size_t>(number - 1)],
                 {kSurahCount, state.Surah(kSurahCount).VerseCount}};
  if (number < static_cast<int>(starts.size())) {
    const VerseRef next = starts[static_cast<std::size_t>(number)];
    span.last = next.verse > 1 ? VerseRef{next.surah, next.verse - 1}
                               : VerseRef{next.surah - 1, state.Surah(next.surah - 1).VerseCount};
  }
  return span;
}

int DivisionOf(const Divisions& divisions, DivisionKind kind, VerseRef verse) {
  const std::vector<VerseRef>& starts = divisions.Of(kind);
  return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), verse) - starts.begin());
}

}  // namespace pelvaron
