#pragma once
// TGDIPPictureContainer: a component holding named TVxGDIPPicture pictures, so that several controls can
// refer to one picture by name.
#include <string>

#include "framework/classes/collection.h"
#include "framework/classes/component.h"
#include "ui/foundation/version_info.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

class TGDIPPictureContainer;

// The container's items live in their own namespace: the HTML picture container (html_picture.h) has
// an item and a collection class of the same names, and one program uses both.
namespace gdip {

class TPictureItem : public fw::TCollectionItem {
 public:
  explicit TPictureItem(fw::TCollection* Collection);
  ~TPictureItem() override;

  // Another TPictureItem's name, tag and picture; any other source raises EInvalidCast.
  void Assign(fw::TPersistent* Source) override;

  TVxGDIPPicture* Picture() { return picture_; }
  void SetPicture(TVxGDIPPicture* value) { picture_->Assign(value); }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }

 private:
  TVxGDIPPicture* picture_;
  int tag_ = 0;
  std::string name_;
};

class TPictureCollection : public fw::TCollection {
 public:
  explicit TPictureCollection(TGDIPPictureContainer* Owner);
  TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
  TPictureItem* Items(int index) const { return static_cast<TPictureItem*>(TCollection::Items(index)); }
};

}  // namespace gdip

class TGDIPPictureContainer : public fw::TComponent, public TVersionedComponent {
 public:
  explicit TGDIPPictureContainer(fw::TComponent* AOwner);
  ~TGDIPPictureContainer() override;

  // The picture of the first item whose name matches, ignoring case; nullptr when none does.
  virtual TVxGDIPPicture* FindPicture(const std::string& Name);

  gdip::TPictureCollection* Items() { return items_; }
  void SetItems(gdip::TPictureCollection* value) { items_->Assign(value); }
  std::uint32_t GetVersionNr() const override { return MakeVersionNr(1, 0, 0, 0); }

 private:
  gdip::TPictureCollection* items_;
};

}  // namespace ui
