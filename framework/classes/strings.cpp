#include "framework/classes/strings.h"

#include <algorithm>

#include "framework/classes/component.h"
#include "framework/classes/updatescope.h"
#include "framework/classes/writer.h"

#include "framework/rtl/exceptions.h"
#include "framework/rtl/filetext.h"
#include "framework/rtl/format.h"
#include "framework/rtl/textutils.h"
#include "framework/streams/file_stream.h"

namespace fw {

namespace {

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

}  // namespace

int TStrings::Add(const std::string& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  const int index = Add(s);
  PutObjectAt(index, object);
  return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObjectAt(index, object);
}

void TStrings::AddStrings(TStrings* strings) {
  UpdateScope<TStrings> update(*this);
  for (int i = 0; i < strings->Count(); ++i) AddObject(strings->Get(i), strings->GetObjectAt(i));
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  UpdateScope<TStrings> update(*this);
  Clear();
  nameValueSeparator_ = source->nameValueSeparator_;
  AddStrings(source);
}

void TStrings::Exchange(int index1, int index2) {
  UpdateScope<TStrings> update(*this);
  const std::string s1 = Get(index1);
  TObject* object1 = GetObjectAt(index1);
  Put(index1, Get(index2));
  PutObjectAt(index1, GetObjectAt(index2));
  Put(index2, s1);
  PutObjectAt(index2, object1);
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  UpdateScope<TStrings> update(*this);
  const std::string s = Get(curIndex);
  TObject* object = GetObjectAt(curIndex);
  Delete(curIndex);
  InsertObject(newIndex, s, object);
}

bool TStrings::Equals(const TStrings* strings) const {
  if (strings == nullptr || strings->Count() != Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (Get(i) != strings->Get(i)) return false;
  }
  return true;
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(Get(i), s) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string line = Get(i);
    const std::size_t separator = line.find(nameValueSeparator_);
    if (separator != std::string::npos && CompareStrings(line.substr(0, separator), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (GetObjectAt(i) == object) return i;
  }
  return -1;
}

std::string TStrings::Names(int index) const {
  const std::string line = Get(index);
  const std::size_t separator = line.find(nameValueSeparator_);
  return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::Values(const std::string& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
  int index = IndexOfName(name);
  if (!value.empty()) {
    if (index < 0) index = Add(std::string());
    Put(index, name + nameValueSeparator_ + value);
  } else if (index >= 0) {
    Delete(index);
  }
}

std::string TStrings::ValueFromIndex(int index) const {
  const std::string line = Get(index);
  const std::size_t separator = line.find(nameValueSeparator_);
  return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
  if (!value.empty()) {
    if (index < 0) index = Add(std::string());
    Put(index, Names(index) + nameValueSeparator_ + value);
  } else if (index >= 0) {
    Delete(index);
  }
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) text.append(Get(i)).append("\r\n");
  return text;
}

void TStrings::SetText(std::string_view text) {
  UpdateScope<TStrings> update(*this);
  Clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    Add(std::string(text.substr(start, end - start)));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

std::string TStrings::CommaText() const {
  if (Count() == 1 && Get(0).empty()) return "\"\"";
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    const std::string s = Get(i);
    const bool quote = s.find_first_of(",\"") != std::string::npos ||
                       std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (i > 0) text += ',';
    text += quote ? '"' + StringReplace(s, "\"", "\"\"", rfReplaceAll) + '"' : s;
  }
  return text;
}

void TStrings::SetCommaText(std::string_view text) {
  UpdateScope<TStrings> update(*this);
  Clear();
  std::size_t at = 0;
  const auto skipBlanks = [&] {
    while (at < text.size() && IsBlank(text[at])) ++at;
  };
  skipBlanks();
  while (at < text.size()) {
    std::string item;
    if (text[at] == '"') {
      // A quoted item: a doubled quote stands for one quote.
      for (++at; at < text.size(); ++at) {
        if (text[at] == '"') {
          if (at + 1 < text.size() && text[at + 1] == '"') {
            item += '"';
            ++at;
          } else {
            ++at;
            break;
          }
        } else {
          item += text[at];
        }
      }
    } else {
      const std::size_t start = at;
      while (at < text.size() && static_cast<unsigned char>(text[at]) > ' ' && text[at] != ',') ++at;
      item.assign(text.substr(start, at - start));
    }
    Add(item);
    skipBlanks();
    if (at < text.size() && text[at] == ',') {
      if (at + 1 == text.size()) Add(std::string());  // a trailing comma ends with an empty item
      ++at;
      skipBlanks();
    }
  }
}

std::string TStrings::ReadRemaining(TStream* Stream) {
  const std::int64_t remaining = Stream->Size() - Stream->Position();
  std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(remaining, 0)), '\0');
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  return bytes;
}

void TStrings::LoadFromStream(TStream* Stream) { SetText(ReadRemaining(Stream)); }

void TStrings::SaveToStream(TStream* Stream) const {
  const std::string text = Text();
  if (!text.empty()) Stream->WriteBuffer(text.data(), static_cast<std::int32_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}

void TStrings::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      "Strings",
      [this](TReader* Reader) {
        UpdateScope<TStrings> update(*this);
        Clear();
        Reader->ReadListBegin();
        while (!Reader->EndOfList()) Add(Reader->ReadString());
        Reader->ReadListEnd();
      },
      [this](TWriter* Writer) {
        Writer->WriteListBegin();
        for (int i = 0; i < Count(); ++i) Writer->WriteString(Get(i));
        Writer->WriteListEnd();
      },
      Count() > 0);
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Put(int index, const std::string& s) {
  TObject* object = GetObjectAt(index);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::GetObjectAt(int) const { return nullptr; }

void TStrings::PutObjectAt(int, TObject*) {}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& s1, const std::string& s2) const { return AnsiCompareText(s1, s2); }

void TStrings::Error(const char* format, int index) { throw EStringListError(Format(format, index)); }

}  // namespace fw
