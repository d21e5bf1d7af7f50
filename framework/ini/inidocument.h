// The text of an INI file as lines, read and changed in place: every line that is not touched (comments,
// blank lines, unknown keys, odd lines) stays exactly as it was, line ends included.
//   [Section]        a section header; names are trimmed and match without regard to case
//   Key = Value      an entry; key and value are trimmed, a value in matching quotes loses them
//   ; or #           a comment
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class IniDocument {
 public:
  explicit IniDocument(std::string_view text = {});
  std::string Text() const;

  // The first section of the name counts; in it, the first entry of the key.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
  std::vector<std::string> Sections() const;

  // Changes the entry's line in place, or appends the entry after the last non-blank line of its section,
  // or appends the section (after a blank line) and the entry at the end of the text.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes every section of the name with all its lines.
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

 private:
  struct Line {
    std::string text;
    std::string end;  // "\r\n", "\n" or "" (the last line of a text without a final line end)
  };
  struct Entry {
    std::string key;
    std::string value;
  };

  static std::optional<std::string> SectionName(const std::string& line);
  static std::optional<Entry> ParseEntry(const std::string& line);
  std::optional<std::size_t> FindSection(std::string_view section) const;  // the header's line
  std::size_t SectionEnd(std::size_t header) const;                        // the next header or the end
  std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
  void InsertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
  std::string newline_ = "\r\n";
};

}  // namespace fw
