#include "ui/dropdown/wide_strings.h"

#include <cstring>
#include <new>

#include "framework/classes/component.h"
#include "framework/classes/updatescope.h"
#include "framework/classes/writer.h"
#include "ui/dropdown/wide_text.h"

namespace ui {

namespace {

using WideUpdate = fw::UpdateScope<TWideStrings>;

bool IsLineBreak(wchar_t c) {
  return c == 10 || c == 11 || c == 12 || c == 13 || c == 0x2028 || c == 0x2029;
}

constexpr size_t kCountSize = sizeof(std::uint32_t);

// The text's allocation begins with the count in front of the text.
std::byte* AllocationOf(const wchar_t* Text) {
  return reinterpret_cast<std::byte*>(const_cast<wchar_t*>(Text)) - kCountSize;
}

// The system's case-insensitive comparison in Locale: -1, 0 or 1 (-2 when the system call fails).
int CompareIgnoringCase(LCID Locale, const std::wstring& S1, const std::wstring& S2) {
  return CompareStringW(Locale, NORM_IGNORECASE, S1.data(), static_cast<int>(S1.size()), S2.data(),
                        static_cast<int>(S2.size())) -
         2;
}

}  // namespace

void WideTextDeleter::operator()(wchar_t* Text) const {
  if (Text != nullptr) ::operator delete(AllocationOf(Text));
}

std::uint32_t WideTextAllocationSize(const wchar_t* Text) {
  std::uint32_t size = 0;
  std::memcpy(&size, AllocationOf(Text), kCountSize);
  return size;
}

TWideStrings::TWideStrings()
    : ansiStrings_(std::make_unique<TAnsiStringsForWideStrings>(this)), compareLocale_(GetUserDefaultLCID()) {}

TWideStrings::~TWideStrings() = default;

fw::TObject* TWideStrings::GetObjectAt(int) const { return nullptr; }
void TWideStrings::PutObjectAt(int, fw::TObject*) {}
void TWideStrings::SetCapacity(int) {}
void TWideStrings::SetUpdateState(bool) {}

void TWideStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TWideStrings::EndUpdate() {
  --updateCount_;
  if (updateCount_ == 0) SetUpdateState(false);
}

void TWideStrings::Put(int Index, const std::wstring& S) {
  fw::TObject* object = GetObjectAt(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

int TWideStrings::Add(const std::wstring& S) {
  const int index = GetCount();
  Insert(index, S);
  return index;
}

int TWideStrings::AddObject(const std::wstring& S, fw::TObject* AObject) {
  const int index = Add(S);
  PutObjectAt(index, AObject);
  return index;
}

void TWideStrings::InsertObject(int Index, const std::wstring& S, fw::TObject* AObject) {
  Insert(Index, S);
  PutObjectAt(Index, AObject);
}

void TWideStrings::AddStrings(fw::TStrings* Strings) {
  WideUpdate update(*this);
  for (int i = 0; i < Strings->Count(); ++i) AddObject(WidenText(Strings->Strings(i)), Strings->Objects(i));
}

void TWideStrings::AddStrings(TWideStrings* Strings) {
  WideUpdate update(*this);
  for (int i = 0; i < Strings->GetCount(); ++i) AddObject(Strings->Get(i), Strings->GetObjectAt(i));
}

void TWideStrings::Exchange(int Index1, int Index2) {
  WideUpdate update(*this);
  const std::wstring s1 = Get(Index1);
  fw::TObject* object1 = GetObjectAt(Index1);
  const std::wstring s2 = Get(Index2);
  Put(Index1, s2);
  PutObjectAt(Index1, GetObjectAt(Index2));
  Put(Index2, s1);
  PutObjectAt(Index2, object1);
}

void TWideStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  WideUpdate update(*this);
  const std::wstring s = Get(CurIndex);
  fw::TObject* object = GetObjectAt(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, object);
}

int TWideStrings::IndexOf(const std::wstring& S) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CompareIgnoringCase(compareLocale_, Get(i), S) == 0) return i;
  }
  return -1;
}

bool TWideStrings::Equals(const TWideStrings* Strings) const {
  if (Strings->GetCount() != GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i) {
    if (Get(i) != Strings->Get(i)) return false;
  }
  return true;
}

std::wstring TWideStrings::GetTextStr() const {
  const int count = GetCount();
  size_t length = 0;
  for (int i = 0; i < count; ++i) length += Get(i).size() + 2;
  std::wstring text;
  text.reserve(length);
  for (int i = 0; i < count; ++i) text.append(Get(i)).append(L"\r\n");
  return text;
}

void TWideStrings::SetTextStr(std::wstring_view Text) {
  WideUpdate update(*this);
  Clear();
  size_t at = 0;
  while (at < Text.size() && Text[at] != L'\0') {
    size_t end = at;
    while (end < Text.size() && Text[end] != L'\0' && !IsLineBreak(Text[end])) ++end;
    Add(std::wstring(Text.substr(at, end - at)));
    at = end;
    if (at < Text.size() && IsLineBreak(Text[at])) {
      const bool carriageReturn = Text[at] == L'\r';
      ++at;
      if (carriageReturn && at < Text.size() && Text[at] == L'\n') ++at;
    }
  }
}

TWideText TWideStrings::GetText() const {
  const std::wstring text = GetTextStr();
  const size_t size = kCountSize + (text.size() + 1) * sizeof(wchar_t);
  auto* block = static_cast<std::byte*>(::operator new(size));
  std::memset(block, 0, size);
  const auto count = static_cast<std::uint32_t>(size);
  std::memcpy(block, &count, kCountSize);
  auto* result = reinterpret_cast<wchar_t*>(block + kCountSize);
  std::memcpy(result, text.data(), text.size() * sizeof(wchar_t));
  return TWideText(result);
}

void TWideStrings::SetText(const wchar_t* Text) { SetTextStr(Text != nullptr ? std::wstring_view(Text) : std::wstring_view()); }

fw::TStrings* TWideStrings::AnsiStrings() const { return ansiStrings_.get(); }

void TWideStrings::SetAnsiStrings(fw::TStrings* Value) { ansiStrings_->Assign(Value); }

void TWideStrings::Assign(fw::TPersistent* Source) {
  if (Source == this) return;
  if (auto* wide = dynamic_cast<TWideStrings*>(Source)) {
    WideUpdate update(*this);
    Clear();
    AddStrings(wide);
    return;
  }
  if (auto* narrow = dynamic_cast<fw::TStrings*>(Source)) {
    WideUpdate update(*this);
    Clear();
    for (int i = 0; i < narrow->Count(); ++i) AddObject(WidenText(narrow->Strings(i)), narrow->Objects(i));
    return;
  }
  fw::TPersistent::Assign(Source);
}

void TWideStrings::AssignTo(fw::TPersistent* Dest) {
  if (auto* narrow = dynamic_cast<fw::TStrings*>(Dest)) {
    if (narrow == ansiStrings_.get()) return;
    fw::UpdateScope<fw::TStrings> update(*narrow);
    narrow->Clear();
    for (int i = 0; i < GetCount(); ++i) narrow->AddObject(NarrowText(Get(i)), GetObjectAt(i));
    return;
  }
  if (auto* wide = dynamic_cast<TWideStrings*>(Dest)) {
    if (wide == this) return;
    WideUpdate update(*wide);
    wide->Clear();
    wide->AddStrings(this);
    return;
  }
  fw::TPersistent::AssignTo(Dest);
}

void TWideStrings::DefineProperties(fw::TFiler* Filer) {
  Filer->DefineProperty(
      "WideStrings", [this](fw::TReader* Reader) { ReadData(Reader); },
      [this](fw::TWriter* Writer) { WriteData(Writer); }, GetCount() > 0);
}

void TWideStrings::ReadData(fw::TReader* Reader) {
  Reader->ReadListBegin();
  {
    WideUpdate update(*this);
    Clear();
    // 8-bit texts come widened; any other value is read as a wide text.
    while (!Reader->EndOfList()) Add(Reader->ReadWideString());
  }
  Reader->ReadListEnd();
}

void TWideStrings::WriteData(fw::TWriter* Writer) const {
  Writer->WriteListBegin();
  for (int i = 0; i < GetCount(); ++i) Writer->WriteWideString(Get(i));
  Writer->WriteListEnd();
}

std::string TAnsiStringsForWideStrings::Get(int Index) const { return NarrowText(wideStrings_->Get(Index)); }

void TAnsiStringsForWideStrings::Insert(int Index, const std::string& S) { wideStrings_->Insert(Index, WidenText(S)); }

}  // namespace ui
