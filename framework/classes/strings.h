// TStrings: the abstract list of strings with attached objects that controls and settings share (list box
// items, memo lines, string lists). Descendants store the strings; everything else is built here.
#pragma once

#include <string>
#include <string_view>

#include "framework/classes/persistent.h"

namespace fw {

class TStream;

class TStrings : public TPersistent {
 public:
  // Storage, supplied by descendants.
  virtual int Count() const = 0;
  virtual void Clear() = 0;
  virtual void Delete(int index) = 0;
  virtual void Insert(int index, const std::string& s) = 0;

  std::string Strings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& s) { Put(index, s); }
  std::string operator[](int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObjectAt(index); }
  void SetObjects(int index, TObject* object) { PutObjectAt(index, object); }

  virtual int Add(const std::string& s);
  virtual int AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  virtual void InsertObject(int index, const std::string& s, TObject* object);
  virtual void AddStrings(TStrings* strings);
  void Assign(TPersistent* Source) override;
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);
  bool Equals(const TStrings* strings) const;

  // Searches compare as CompareStrings does (ignoring case unless a descendant says otherwise).
  virtual int IndexOf(const std::string& s) const;
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(const TObject* object) const;

  // name=value lines: the name is the text before the first separator ("" when there is none).
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char separator) { nameValueSeparator_ = separator; }
  std::string Names(int index) const;
  std::string Values(const std::string& name) const;
  // A non-empty value replaces the line's value or adds "name=value"; an empty one deletes the line.
  void SetValues(const std::string& name, const std::string& value);
  std::string ValueFromIndex(int index) const;
  void SetValueFromIndex(int index, const std::string& value);

  // Every line followed by CR LF; setting splits at CR LF, CR or LF (a last line end adds no empty line).
  virtual std::string Text() const;
  virtual void SetText(std::string_view text);
  // Lines separated by commas, quoted with '"' when they hold blanks, commas or quotes; setting also
  // splits at unquoted blanks.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);

  // The stream's bytes from its position to its end, split into lines as SetText does / every line
  // followed by CR LF, written at the stream's position.
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream) const;
  // Through the streams above; raise EFOpenError / EFCreateError.
  virtual void LoadFromFile(const std::string& fileName);
  virtual void SaveToFile(const std::string& fileName) const;

  // Stored form: the lines as the list of texts "Strings" (only when there is a line).
  void DefineProperties(TFiler* Filer) override;

  // Change notifications are held back until the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

 protected:
  // (GetObjectAt/PutObjectAt: windows.h turns the name GetObject into a macro.)
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual TObject* GetObjectAt(int index) const;
  virtual void PutObjectAt(int index, TObject* object);
  virtual void SetUpdateState(bool updating);
  virtual int CompareStrings(const std::string& s1, const std::string& s2) const;
  [[noreturn]] static void Error(const char* format, int index);
  // The stream's bytes from its position to its end (EReadError when they cannot all be read).
  static std::string ReadRemaining(TStream* Stream);

 private:
  int updateCount_ = 0;
  char nameValueSeparator_ = '=';
};

}  // namespace fw
