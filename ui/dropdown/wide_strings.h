#pragma once
// TWideStrings: an ordered list of wide (UTF-16) strings with an object per string, shaped like the
// framework's 8-bit TStrings; descendants store the strings (Get, GetCount, Clear, Delete, Insert) and,
// when they can, the objects and a suspended update state. Its AnsiStrings is an 8-bit TStrings view of
// the same list (TAnsiStringsForWideStrings): the strings narrowed to the system code page, no objects.
//
// IndexOf ignores case in the list's compare locale (the user's default); Equals compares code unit by
// code unit. The text form ends every line with CR LF; SetTextStr splits at CR LF, CR, LF, VT, FF,
// U+2028 and U+2029. Stored as the defined property "WideStrings", a list of wide texts (8-bit texts are
// read too). Bulk changes run inside one BeginUpdate/EndUpdate pair, closed also when they fail.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/classes/persistent.h"
#include "framework/classes/strings.h"

namespace fw {
class TFiler;
class TReader;
class TWriter;
}  // namespace fw

namespace ui {

class TAnsiStringsForWideStrings;

// A zero-terminated copy of a list's text, preceded in its allocation by a 32-bit count of the whole
// allocation in bytes (the count itself and the terminator included); the deleter frees it.
struct WideTextDeleter {
  void operator()(wchar_t* Text) const;
};
using TWideText = std::unique_ptr<wchar_t[], WideTextDeleter>;
std::uint32_t WideTextAllocationSize(const wchar_t* Text);

class TWideStrings : public fw::TPersistent {
 public:
  TWideStrings();
  ~TWideStrings() override;
  TWideStrings(const TWideStrings&) = delete;
  TWideStrings& operator=(const TWideStrings&) = delete;

  // Storage, supplied by descendants.
  virtual std::wstring Get(int Index) const = 0;
  virtual int GetCount() const = 0;
  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Insert(int Index, const std::wstring& S) = 0;
  // Objects: none kept here (reads give null, writes are ignored).
  virtual fw::TObject* GetObjectAt(int Index) const;
  virtual void PutObjectAt(int Index, fw::TObject* AObject);
  virtual int GetCapacity() const { return GetCount(); }
  virtual void SetCapacity(int NewCapacity);

  int Count() const { return GetCount(); }
  std::wstring Strings(int Index) const { return Get(Index); }
  // Replaces the string (as a delete and an insert) keeping its object.
  virtual void Put(int Index, const std::wstring& S);

  virtual int Add(const std::wstring& S);
  virtual int AddObject(const std::wstring& S, fw::TObject* AObject);
  void InsertObject(int Index, const std::wstring& S, fw::TObject* AObject);
  virtual void AddStrings(fw::TStrings* Strings);
  virtual void AddStrings(TWideStrings* Strings);
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);
  virtual int IndexOf(const std::wstring& S) const;
  bool Equals(const TWideStrings* Strings) const;

  virtual std::wstring GetTextStr() const;
  virtual void SetTextStr(std::wstring_view Text);
  // GetTextStr as a newly allocated buffer the caller owns.
  virtual TWideText GetText() const;
  // SetTextStr of a zero-terminated text.
  virtual void SetText(const wchar_t* Text);

  LCID CompareLocale() const { return compareLocale_; }
  virtual void SetCompareLocale(LCID Locale) { compareLocale_ = Locale; }

  // The 8-bit view (always the same object); assigning an 8-bit list to it replaces this list's content.
  fw::TStrings* AnsiStrings() const;
  void SetAnsiStrings(fw::TStrings* Value);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void Assign(fw::TPersistent* Source) override;
  void DefineProperties(fw::TFiler* Filer) override;

 protected:
  void AssignTo(fw::TPersistent* Dest) override;
  virtual void SetUpdateState(bool Updating);
  void ReadData(fw::TReader* Reader);
  void WriteData(fw::TWriter* Writer) const;

 private:
  std::unique_ptr<TAnsiStringsForWideStrings> ansiStrings_;
  int updateCount_ = 0;
  LCID compareLocale_;
};

// An 8-bit TStrings over a wide list: reads narrow the strings, inserts widen them; objects are not
// carried and the view's update state stays its own.
class TAnsiStringsForWideStrings : public fw::TStrings {
 public:
  explicit TAnsiStringsForWideStrings(TWideStrings* WideStrings) : wideStrings_(WideStrings) {}

  int Count() const override { return wideStrings_->GetCount(); }
  void Clear() override { wideStrings_->Clear(); }
  void Delete(int Index) override { wideStrings_->Delete(Index); }
  void Insert(int Index, const std::string& S) override;

 protected:
  std::string Get(int Index) const override;

 private:
  TWideStrings* wideStrings_;
};

}  // namespace ui
