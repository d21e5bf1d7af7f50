// Component records: stored properties written to a stream and read back into components of the class.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/classes/class_registry.h"
#include "framework/classes/component.h"
#include "framework/classes/stored_properties.h"
#include "framework/classes/stringlist.h"
#include "framework/classes/writer.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/picture.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/memory_stream.h"

namespace fw {
namespace {

enum class Shade { shLight, shDark, shNight };

class TNested : public TPersistent {
 public:
  int width = 0;
  std::string caption;
  void ListStoredProperties(TStoredProperties& List) const override {
    List.Integer<TNested>("Width", [](TNested* o) { return o->width; },
                          [](TNested* o, std::int64_t v) { o->width = static_cast<int>(v); });
    List.Text<TNested>("Caption", [](TNested* o) { return o->caption; },
                       [](TNested* o, const std::string& v) { o->caption = v; });
  }
};

// One stored property of every kind, a nested object, a string list, a picture and a defined property.
class TSample : public TComponent {
 public:
  using TComponent::TComponent;
  std::int64_t count = 0;
  int limit = 10;  // default 10
  bool enabled = false;
  Shade shade = Shade::shLight;
  std::uint64_t sides = 0;
  double angle = 0;
  std::string text;
  int hidden = 0;  // not stored
  int groundSpeed = 0;  // a name longer than 15 characters
  TComponent* link = nullptr;
  TNested nested;
  TStringList lines;
  TPicture picture;
  std::vector<std::wstring> wide;

  void ListStoredProperties(TStoredProperties& List) const override {
    TComponent::ListStoredProperties(List);
    List.Integer<TSample>("Count", [](TSample* o) { return o->count; }, [](TSample* o, std::int64_t v) { o->count = v; });
    List.Integer<TSample>("Limit", [](TSample* o) { return o->limit; },
                          [](TSample* o, std::int64_t v) { o->limit = static_cast<int>(v); })
        .Default(10);
    List.Boolean<TSample>("Enabled", [](TSample* o) { return o->enabled; }, [](TSample* o, bool v) { o->enabled = v; });
    List.Enumeration<TSample>(
        "Shade", {"shLight", "shDark", "shNight"}, [](TSample* o) { return static_cast<int>(o->shade); },
        [](TSample* o, std::int64_t v) { o->shade = static_cast<Shade>(v); });
    List.SetOf<TSample>(
        "Sides", {"sdLeft", "sdTop", "sdRight"}, [](TSample* o) { return o->sides; },
        [](TSample* o, std::int64_t v) { o->sides = static_cast<std::uint64_t>(v); });
    List.Float<TSample>("Angle", [](TSample* o) { return o->angle; }, [](TSample* o, double v) { o->angle = v; });
    List.Text<TSample>("Text", [](TSample* o) { return o->text; }, [](TSample* o, const std::string& v) { o->text = v; });
    List.Integer<TSample>("Hidden", [](TSample* o) { return o->hidden; },
                          [](TSample* o, std::int64_t v) { o->hidden = static_cast<int>(v); })
        .NotStored();
    List.Integer<TSample>("GroundSpeedInKnots", [](TSample* o) { return o->groundSpeed; },
                          [](TSample* o, std::int64_t v) { o->groundSpeed = static_cast<int>(v); });
    List.Component<TSample>("Link", [](TSample* o) { return o->link; }, [](TSample* o, TComponent* v) { o->link = v; });
    List.Object<TSample>("Nested", [](TSample* o) { return &o->nested; });
    List.Object<TSample>("Lines", [](TSample* o) { return &o->lines; });
    List.Object<TSample>("Picture", [](TSample* o) { return &o->picture; });
  }
  void DefineProperties(TFiler* Filer) override {
    TComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        "WideStrings",
        [this](TReader* Reader) {
          wide.clear();
          Reader->ReadListBegin();
          while (!Reader->EndOfList()) wide.push_back(Reader->ReadWideString());
          Reader->ReadListEnd();
        },
        [this](TWriter* Writer) {
          Writer->WriteListBegin();
          for (const std::wstring& s : wide) Writer->WriteWideString(s);
          Writer->WriteListEnd();
        },
        !wide.empty());
  }
};

class TOtherSample : public TComponent {
 public:
  using TComponent::TComponent;
};

std::string Bytes(TMemoryStream& stream) {
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

void Write(TComponent* component, TMemoryStream& stream) {
  TWriter writer(&stream);
  writer.WriteComponent(component);
  stream.SetPosition(0);
}

class ComponentRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = Create<TComponent>(nullptr);
    form_->SetName("Form1");
    target_ = Create<TComponent>(form_);
    target_->SetName("Panel1");
    source_ = Create<TSample>(form_);
    copy_ = Create<TSample>(form_);
  }
  void TearDown() override { form_->Free(); }
  void Read(TMemoryStream& stream, TComponent* into) {
    TReader reader(&stream, form_);
    reader.ReadComponent(into);
  }
  TComponent* form_ = nullptr;
  TComponent* target_ = nullptr;
  TSample* source_ = nullptr;
  TSample* copy_ = nullptr;
};

TEST_F(ComponentRecordTest, EveryKindReadsBackEqual) {
  source_->SetTag(-3);
  source_->count = 70000;
  source_->limit = 11;
  source_->enabled = true;
  source_->shade = Shade::shNight;
  source_->sides = 0b101;
  source_->angle = -12.5;
  source_->groundSpeed = 250;
  source_->text = std::string(300, 'x');  // a long text
  source_->link = target_;
  source_->nested.width = 300;
  source_->nested.caption = "Flaps";
  source_->lines.SetText("one\r\ntwo");
  source_->wide = {L"\u00e9t\u00e9", L"b"};
  source_->picture.Bitmap()->SetSize(3, 2);
  source_->picture.Bitmap()->Canvas()->SetPixels(1, 1, 0x123456);

  TMemoryStream stream;
  Write(source_, stream);
  Read(stream, copy_);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(copy_->Tag(), -3);
  EXPECT_EQ(copy_->count, 70000);
  EXPECT_EQ(copy_->limit, 11);
  EXPECT_TRUE(copy_->enabled);
  EXPECT_EQ(copy_->shade, Shade::shNight);
  EXPECT_EQ(copy_->sides, 0b101u);
  EXPECT_EQ(copy_->angle, -12.5);
  EXPECT_EQ(copy_->groundSpeed, 250);
  EXPECT_EQ(copy_->text, source_->text);
  EXPECT_EQ(copy_->link, target_);  // by name, resolved on reading
  EXPECT_EQ(copy_->nested.width, 300);
  EXPECT_EQ(copy_->nested.caption, "Flaps");
  EXPECT_TRUE(copy_->lines.Equals(&source_->lines));
  EXPECT_EQ(copy_->wide, source_->wide);
  TBitmap* bitmap = dynamic_cast<TBitmap*>(copy_->picture.Graphic());
  ASSERT_NE(bitmap, nullptr);  // the picture made its graphic's class
  EXPECT_EQ(bitmap->Width(), 3);
  EXPECT_EQ(bitmap->Height(), 2);
  EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), 0x123456);

  const std::string bytes = Bytes(stream);
  for (const char* name : {"Nested.Width", "Nested.Caption", "Lines.Strings", "Picture.Data", "\x04Link\x07\x0c" "Form1.Panel1"}) {
    EXPECT_NE(bytes.find(name), std::string::npos) << name;
  }
  EXPECT_EQ(bytes.find("Hidden"), std::string::npos);
}

TEST_F(ComponentRecordTest, DefaultsAndEmptyValuesAreNotWritten) {
  source_->link = Create<TComponent>(form_);  // unnamed: not written
  TMemoryStream stream;
  Write(source_, stream);
  const std::string bytes = Bytes(stream);
  for (const char* name : {"Tag", "Limit", "Angle", "Text", "Link", "Caption", "Lines", "Picture", "WideStrings"}) {
    EXPECT_EQ(bytes.find(name), std::string::npos) << name;
  }
  EXPECT_NE(bytes.find("Count"), std::string::npos);  // no default: always written
  EXPECT_NE(bytes.find("Nested.Width"), std::string::npos);
}

// The byte layout is what stored cell streams and the clipboard hold: it must not change.
TEST_F(ComponentRecordTest, ASmallRecordHasTheGoldenBytes) {
  TOtherSample* small = Create<TOtherSample>(form_);
  small->SetName("S");
  small->SetTag(300);
  TMemoryStream stream;
  Write(small, stream);
  const std::string golden =
      std::string("TVC1") + "\x0c" "TOtherSample" + "\x01" "S" +  // signature, class, name
      "\x03" "Tag" + "\x03" + std::string("\x2c\x01", 2) +      // Tag = 300 as a 16-bit integer
      std::string("\x00\x00", 2);                                // end of properties, end of children
  EXPECT_EQ(Bytes(stream), golden);

  TMemoryStream goldenStream;
  goldenStream.WriteBuffer(golden.data(), static_cast<std::int32_t>(golden.size()));
  goldenStream.SetPosition(0);
  TOtherSample* read = Create<TOtherSample>(nullptr);
  TReader reader(&goldenStream);
  reader.ReadComponent(read);
  EXPECT_EQ(read->Name(), "S");
  EXPECT_EQ(read->Tag(), 300);
  read->Free();
}

TEST_F(ComponentRecordTest, IntegersTakeTheirSmallestForm) {
  struct Case {
    std::int64_t value;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {127, std::string("\x02\x7f", 2)},
      {-128, std::string("\x02\x80", 2)},
      {128, std::string("\x03\x80\x00", 3)},
      {-32769, std::string("\x04\xff\x7f\xff\xff", 5)},
      {0x100000000LL, std::string("\x0f\x00\x00\x00\x00\x01\x00\x00\x00", 9)},
  };
  for (const Case& c : cases) {
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteInteger(c.value);
    EXPECT_EQ(Bytes(stream), c.bytes) << c.value;
    stream.SetPosition(0);
    TReader reader(&stream);
    EXPECT_EQ(reader.ReadInteger(), c.value);
  }
}

TEST_F(ComponentRecordTest, TextListsAcceptEightBitAndWideValues) {
  TMemoryStream stream;
  TWriter writer(&stream);
  writer.WriteListBegin();
  writer.WriteString("plain");
  writer.WriteWideString(L"wide");
  writer.WriteListEnd();
  stream.SetPosition(0);
  TReader reader(&stream);
  reader.ReadListBegin();
  EXPECT_EQ(reader.ReadWideString(), L"plain");  // 8-bit read where wide is expected
  EXPECT_EQ(reader.ReadString(), "wide");        // and the other way round
  EXPECT_TRUE(reader.EndOfList());
  reader.ReadListEnd();
}

// A property's name may be longer than the largest value tag (15): the name's length byte is no tag.
class TLongNames : public TComponent {
 public:
  using TComponent::TComponent;
  TNested nested;
  void ListStoredProperties(TStoredProperties& List) const override {
    TComponent::ListStoredProperties(List);
    List.Object<TLongNames>("NestedWithALongName", [](TLongNames* o) { return &o->nested; });
  }
};

TEST_F(ComponentRecordTest, PropertyNamesLongerThanAValueTagReadBack) {
  auto* source = Create<TLongNames>(form_);
  auto* copy = Create<TLongNames>(form_);
  source->nested.width = 7;
  source->nested.caption = "long";
  TMemoryStream stream;
  Write(source, stream);
  Read(stream, copy);
  EXPECT_EQ(copy->nested.width, 7);
  EXPECT_EQ(copy->nested.caption, "long");
}

TEST_F(ComponentRecordTest, ARecordOfAnotherClassRaises) {
  TOtherSample* other = Create<TOtherSample>(form_);
  TMemoryStream stream;
  Write(source_, stream);
  EXPECT_THROW(Read(stream, other), EReadError);
}

// Damaged records raise, and whatever was read before the damage stays.
TEST_F(ComponentRecordTest, DamagedRecordsRaiseAndKeepWhatWasRead) {
  source_->count = 5;
  source_->text = "kept";
  source_->nested.width = 9;
  TMemoryStream stream;
  Write(source_, stream);
  const std::string bytes = Bytes(stream);

  struct Case {
    const char* what;
    std::string bytes;
  };
  std::string unknown = bytes;
  unknown.replace(unknown.find("Nested.Width"), 12, "Nested.Wxdth");
  const std::vector<Case> cases = {
      {"unknown property", unknown},
      {"truncated", bytes.substr(0, bytes.find("Nested.Width") + 13)},
  };
  for (const Case& c : cases) {
    TSample* into = Create<TSample>(form_);
    TMemoryStream damaged;
    damaged.WriteBuffer(c.bytes.data(), static_cast<std::int32_t>(c.bytes.size()));
    damaged.SetPosition(0);
    EXPECT_THROW(Read(damaged, into), EReadError) << c.what;
    EXPECT_EQ(into->count, 5) << c.what;
    EXPECT_EQ(into->text, "kept") << c.what;
    EXPECT_EQ(into->nested.width, 0) << c.what;
  }
}

TEST_F(ComponentRecordTest, RecordsFollowOneAnotherInASequence) {
  source_->count = 1;
  TSample* second = Create<TSample>(form_);
  second->count = 2;
  TMemoryStream stream;
  TWriter writer(&stream);
  writer.WriteComponent(source_);
  writer.WriteComponent(second);
  stream.SetPosition(0);
  TSample* a = Create<TSample>(form_);
  TSample* b = Create<TSample>(form_);
  TReader reader(&stream, form_);
  reader.ReadComponent(a);
  reader.ReadComponent(b);
  EXPECT_EQ(a->count, 1);
  EXPECT_EQ(b->count, 2);
}

TEST_F(ComponentRecordTest, AnUnknownGraphicClassLeavesThePictureAsItWas) {
  source_->picture.Bitmap()->SetSize(4, 4);
  TMemoryStream stream;
  Write(source_, stream);
  std::string bytes = Bytes(stream);
  const std::size_t at = bytes.find("TBitmap");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 7, "TBogus1");
  TMemoryStream changed;
  changed.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  changed.SetPosition(0);
  copy_->picture.Bitmap()->SetSize(2, 5);
  Read(changed, copy_);
  EXPECT_EQ(copy_->picture.Width(), 2);
  EXPECT_EQ(copy_->picture.Height(), 5);
}

TEST(ClassRegistry, MakesRegisteredClassesByName) {
  RegisterPersistentClass<TOtherSample>("TOtherSample");
  TComponent owner(nullptr);
  TPersistent* made = CreateRegisteredObject("tothersample", &owner);
  ASSERT_NE(dynamic_cast<TOtherSample*>(made), nullptr);
  EXPECT_EQ(static_cast<TComponent*>(static_cast<TOtherSample*>(made))->Owner(), &owner);
  EXPECT_EQ(GetClass("TNothing"), nullptr);
  EXPECT_THROW(FindClass("TNothing"), EClassNotFound);
  UnRegisterClass("TOtherSample");
  EXPECT_EQ(GetClass("TOtherSample"), nullptr);
}

}  // namespace
}  // namespace fw
