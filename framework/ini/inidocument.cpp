#include "framework/ini/inidocument.h"

#include "framework/rtl/textutils.h"

namespace fw {

IniDocument::IniDocument(std::string_view text) {
  std::size_t start = 0;
  bool newlineKnown = false;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      lines_.push_back({std::string(text.substr(start)), ""});
      break;
    }
    const bool crlf = lf > start && text[lf - 1] == '\r';
    const std::size_t contentEnd = crlf ? lf - 1 : lf;
    lines_.push_back({std::string(text.substr(start, contentEnd - start)), crlf ? "\r\n" : "\n"});
    if (!newlineKnown) {
      newline_ = lines_.back().end;  // new lines follow the file's own convention
      newlineKnown = true;
    }
    start = lf + 1;
  }
}

std::string IniDocument::Text() const {
  std::string text;
  for (const Line& line : lines_) text.append(line.text).append(line.end);
  return text;
}

std::optional<std::string> IniDocument::SectionName(const std::string& line) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  return Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

std::optional<IniDocument::Entry> IniDocument::ParseEntry(const std::string& line) {
  const std::string trimmed = TrimLeft(line);
  if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#' || trimmed[0] == '[') return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string::npos) return std::nullopt;
  Entry entry{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
  const std::string& value = entry.value;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    entry.value = value.substr(1, value.size() - 2);
  }
  return entry;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
  const std::string wanted = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::optional<std::string> name = SectionName(lines_[i].text);
    if (name && SameText(*name, wanted)) return i;
  }
  return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
  std::size_t at = header + 1;
  while (at < lines_.size() && !SectionName(lines_[at].text)) ++at;
  return at;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, std::string_view key) const {
  const std::string wanted = Trim(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const std::optional<Entry> entry = ParseEntry(lines_[i].text);
    if (entry && SameText(entry->key, wanted)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return std::nullopt;
  const std::optional<std::size_t> line = FindKey(*header, key);
  if (!line) return std::nullopt;
  return ParseEntry(lines_[*line].text)->value;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return entries;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    std::optional<Entry> entry = ParseEntry(lines_[i].text);
    if (entry) entries.emplace_back(std::move(entry->key), std::move(entry->value));
  }
  return entries;
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> sections;
  for (const Line& line : lines_) {
    std::optional<std::string> name = SectionName(line.text);
    if (name) sections.push_back(std::move(*name));
  }
  return sections;
}

void IniDocument::InsertLine(std::size_t at, std::string text) {
  // Every line before the new one needs an end, and so does the new one unless it is the last.
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = Trim(key) + "=" + std::string(value);
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) InsertLine(lines_.size(), "");
    InsertLine(lines_.size(), "[" + Trim(section) + "]");
    InsertLine(lines_.size(), entry);
    return;
  }
  if (const std::optional<std::size_t> line = FindKey(*header, key)) {
    // Keep the key as the file spells it.
    lines_[*line].text = ParseEntry(lines_[*line].text)->key + "=" + std::string(value);
    return;
  }
  std::size_t at = SectionEnd(*header);
  while (at > *header + 1 && Trim(lines_[at - 1].text).empty()) --at;
  InsertLine(at, entry);
}

void IniDocument::EraseSection(std::string_view section) {
  while (const std::optional<std::size_t> header = FindSection(section)) {
    const std::size_t end = SectionEnd(*header);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header), lines_.begin() + static_cast<std::ptrdiff_t>(end));
  }
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return;
  if (const std::optional<std::size_t> line = FindKey(*header, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  }
}

}  // namespace fw
