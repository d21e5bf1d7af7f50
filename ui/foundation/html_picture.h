// Pictures of the HTML-subset text engine's image tag.
//
// THTMLPicture keeps the encoded bytes of any picture the platform's OLE picture loader reads (GIF, JPEG,
// BMP, ICO, WMF, ...), decodes them into an OLE picture after every load, assignment and frame change,
// and draws it; for an animated GIF the chosen Frame is decoded (the earlier frames are left out).
// THTMLPictureCache owns pictures keyed by the URL they came from (found with case); TPictureContainer is a
// component with named pictures (found without case). GUI thread.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/classes/collection.h"
#include "framework/classes/component.h"
#include "framework/classes/list.h"
#include "framework/classes/thread.h"
#include "framework/graphics/graphic.h"
#include "framework/rtl/ole.h"
#include "framework/streams/memory_stream.h"

namespace ui {

using TDownloadProgressEvent = std::function<void(fw::TObject* Sender, std::uint32_t dwSize, std::uint32_t dwTotSize)>;
using TDownloadCancelEvent = std::function<void(fw::TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(fw::TObject* Sender)>;
using TDownloadErrorEvent = std::function<void(fw::TObject* Sender, const std::string& err)>;

class THTMLPicture : public fw::TGraphic {
 public:
  THTMLPicture();

  void Assign(fw::TPersistent* Source) override;
  void Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) override;
  bool Empty() const override { return isEmpty_; }
  bool GetEmpty() const { return isEmpty_; }
  int Width() const override;
  int Height() const override;
  int GetWidth() const { return Width(); }
  int GetHeight() const { return Height(); }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  fw::TGraphic* NewGraphic() const override;

  // Nothing for nil; otherwise the stream's bytes, decoded; OnChange.
  void LoadFromStream(fw::TStream* Stream) override;
  void SaveToStream(fw::TStream* Stream) override;
  // Any failure leaves the picture empty.
  void LoadFromFile(const std::string& FileName) override;
  // An RCDATA resource of the module; nothing when there is none by that name.
  void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);
  // "RES://name" (a resource of the program), "FILE://path", in any letter case; other URLs load nothing.
  void LoadFromURL(const std::string& URL);

  // The animation's logical screen when it has one, else the picture's size; 0 without a picture.
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  // The frames of a GIF (counted once); -1 for any other picture.
  int GetFrameCount();

  bool Stretch() const { return stretch_; }
  void SetStretch(bool Value) { stretch_ = Value; }
  int Frame() const { return frame_; }
  void SetFrame(int Value);
  const std::string& ID() const { return id_; }
  void SetID(const std::string& Value) { id_ = Value; }
  bool Asynchronous() const { return asynchronous_; }
  void SetAsynchronous(bool Value) { asynchronous_ = Value; }
  bool IsEmpty() const { return isEmpty_; }
  std::uint16_t FrameLeft() const { return frameLeft_; }
  std::uint16_t FrameTop() const { return frameTop_; }
  std::uint16_t FrameWidth() const { return frameWidth_; }
  std::uint16_t FrameHeight() const { return frameHeight_; }
  std::uint16_t AnimWidth() const { return animWidth_; }
  std::uint16_t AnimHeight() const { return animHeight_; }
  const std::string& DownloadURL() const { return downloadUrl_; }

  fw::TNotifyEvent OnFrameChange;
  TDownloadProgressEvent OnDownLoadProgress;
  TDownloadCancelEvent OnDownLoadCancel;
  TDownloadCompleteEvent OnDownLoadComplete;
  TDownloadErrorEvent OnDownLoadError;

 protected:
  // As LoadFromStream, without OnChange.
  void ReadData(fw::TStream* Stream) override;
  void WriteData(fw::TStream* Stream) override { SaveToStream(Stream); }

 private:
  bool IsGif();
  void TakeBytes(fw::TStream* Stream);
  void Decode();
  int HimetricToPixels(bool height) const;

  fw::TMemoryStream data_;
  bool isEmpty_ = true;
  bool stretch_ = false;
  fw::ComRef<IPicture> picture_;
  std::uint32_t logPixelsX_ = 96;
  std::uint32_t logPixelsY_ = 96;
  std::string downloadUrl_;
  std::string id_;
  bool database_ = false;
  bool asynchronous_ = true;
  bool threadBusy_ = false;
  int frame_ = 1;
  int frameCount_ = -1;
  std::uint16_t frameLeft_ = 0;
  std::uint16_t frameTop_ = 0;
  std::uint16_t frameWidth_ = 0;
  std::uint16_t frameHeight_ = 0;
  std::uint16_t animWidth_ = 0;
  std::uint16_t animHeight_ = 0;
  int nextFrameTime_ = -1;
  int frameTime_ = -1;
};

// The thread an asynchronous URL load starts; it does no work and frees itself.
class TDownLoadThread : public fw::TThread {
 public:
  explicit TDownLoadThread(THTMLPicture* Picture) : TThread(true), picture_(Picture) {}

 protected:
  void Execute() override {}

 private:
  THTMLPicture* picture_;
};

class THTMLPictureCache : public fw::TList {
 public:
  ~THTMLPictureCache() override;
  THTMLPicture* AddPicture();
  // The first picture whose ID equals ID exactly (with case); nil when none.
  THTMLPicture* FindPicture(const std::string& ID) const;
  void ClearPictures();
  THTMLPicture* Items(int Index) const { return static_cast<THTMLPicture*>(TList::Items(Index)); }
};

class TPictureItem : public fw::TCollectionItem {
 public:
  explicit TPictureItem(fw::TCollection* Collection);
  ~TPictureItem() override;
  void Assign(fw::TPersistent* Source) override;

  THTMLPicture* Picture() const { return picture_; }
  void SetPicture(THTMLPicture* Value) { picture_->Assign(Value); }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& Value) { name_ = Value; }
  int Tag() const { return tag_; }
  void SetTag(int Value) { tag_ = Value; }

 private:
  THTMLPicture* picture_;
  std::string name_;
  int tag_ = 0;
};

class TPictureContainer;

class TPictureCollection : public fw::TCollection {
 public:
  explicit TPictureCollection(TPictureContainer* Owner);
  TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
  TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
};

class TPictureContainer : public fw::TComponent {
 public:
  explicit TPictureContainer(fw::TComponent* AOwner);
  ~TPictureContainer() override;

  // The picture of the first item whose name equals Name, letter case ignored; nil when none.
  virtual THTMLPicture* FindPicture(const std::string& Name) const;

  TPictureCollection* Items() const { return items_; }
  void SetItems(TPictureCollection* Value) { items_->Assign(Value); }
  std::string Version() const { return "1.0.0.0"; }
  void SetVersion(const std::string&) {}  // read-only: writes are ignored

 private:
  TPictureCollection* items_;
};

}  // namespace ui
