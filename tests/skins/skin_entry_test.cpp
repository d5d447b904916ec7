// Skin entries: what the skins service is asked, what a refusal gives, and
// how rows share entries.
#include "core/skin_entry.h"

#include <gtest/gtest.h>

#include "core/randomiser.h"
#include "fake_player/services.h"
#include "platform/text.h"
#include "tests/support/fixture.h"

namespace kaleidra {
namespace {

class SkinEntryTest : public ::testing::Test {
 protected:
  SkinEntryTest() {
    service.skins[u""] = {u"Player", u"Built-in", u"The player's own", nullptr};
    service.skins[u"Ocean.acs3"] = {u"Анна", u"Океан", u"Синяя", &previewHandle};
    service.AddRef();
    SkinsService = host::HostRef<host::IAIMPSkinsService>(&service);
  }
  ~SkinEntryTest() override { SkinsService.Reset(); }

  fake_player::SkinsService service;
  fixture::MessageBoxRecorder boxes;
  int previewHandle = 0;
};

TEST_F(SkinEntryTest, NamedSkinFillsTheEntryFromTheService) {
  const SkinEntryRef entry = CreateSkinEntry(&service, u"Ocean.acs3");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Author, u"Анна");
  EXPECT_EQ(entry->Name, u"Океан");
  EXPECT_EQ(entry->Description, u"Синяя");
  EXPECT_EQ(entry->FileName, u"");  // AddSkinItem records it
  EXPECT_EQ(entry->Preview, &previewHandle);
  EXPECT_EQ(service.infoRequests, std::vector<std::u16string>{u"Ocean.acs3"});
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(SkinEntryTest, RefusedBuiltInSkinShowsErrorAndStillGivesAnEntry) {
  service.refused.insert(u"");
  const SkinEntryRef entry = CreateSkinEntry(&service, u"");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Name, u"");
  EXPECT_EQ(entry->Preview, nullptr);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, u"Error");
  EXPECT_EQ(boxes.calls[0].owner, nullptr);
  EXPECT_FALSE(boxes.calls[0].hasCaption);
  EXPECT_EQ(boxes.calls[0].flags, platform::kMbOk);
}

TEST_F(SkinEntryTest, RefusedNamedSkinGivesARowWithoutEntryAndNoBox) {
  service.refused.insert(u"Ocean.acs3");
  SkinItemVector rows;
  AddSkinItem(rows, u"Ocean.acs3");
  AddSkinItem(rows, u"Missing.acs2");  // unknown to the service
  ASSERT_EQ(rows.Count(), 2);
  for (int i = 0; i < rows.Count(); ++i) {
    EXPECT_EQ(rows.Text(i), u"SkinName");
    EXPECT_FALSE(rows.Entry(i));
  }
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(SkinEntryTest, AddSkinItemRecordsTheFileName) {
  SkinItemVector rows;
  AddSkinItem(rows, u"Ocean.acs3");
  AddSkinItem(rows, u"");
  ASSERT_TRUE(rows.Entry(0) && rows.Entry(1));
  EXPECT_EQ(rows.Entry(0)->FileName, u"Ocean.acs3");
  EXPECT_EQ(rows.Entry(1)->FileName, u"");
  EXPECT_EQ(rows.Entry(1)->Name, u"Built-in");
}

// The entries of one load share a block of texts: long texts fill several of
// its pieces, a name met again reuses its entry, and an entry outlives the
// load and every other row of it.
TEST_F(SkinEntryTest, EntriesMadeTogetherKeepTheirTextsWhileAnyIsReferred) {
  auto text = [](char16_t c, int i) { return std::u16string(kSkinTextCapacity - 1 - i, c); };
  std::vector<std::u16string> names;
  for (int i = 0; i < 40; ++i) {
    names.push_back(u"Long" + platform::ToDecimal(i) + u".acs3");
    service.skins[names.back()] = {text(u'a', i), text(u'n', i), text(u'd', i), nullptr};
  }
  SkinEntryRef kept;
  {
    SkinItemVector rows;
    SkinEntryCache cache;
    for (const std::u16string& name : names) AddSkinItem(rows, name, &cache);
    AddSkinItem(rows, names[0], &cache);
    ASSERT_EQ(rows.Count(), 41);
    EXPECT_EQ(rows.Entry(40), rows.Entry(0));
    EXPECT_EQ(service.infoRequests.size(), names.size());
    for (int i = 0; i < 40; ++i) {
      ASSERT_TRUE(rows.Entry(i));
      EXPECT_EQ(rows.Entry(i)->Name, text(u'n', i));
      EXPECT_EQ(rows.Entry(i)->FileName, names[i]);
    }
    kept = rows.Entry(39);
  }
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->Author, text(u'a', 39));
  EXPECT_EQ(kept->Name, text(u'n', 39));
  EXPECT_EQ(kept->Description, text(u'd', 39));
  EXPECT_EQ(kept->FileName, names[39]);
}

// A name that cannot fit an entry is refused before the service sees it.
TEST_F(SkinEntryTest, NamesLongerThanAnEntryHoldsAreRefused) {
  const std::u16string longest(511, u'a');
  const std::u16string tooLong(512, u'a');
  service.skins[longest] = {u"a", u"b", u"c", nullptr};
  service.skins[tooLong] = {u"a", u"b", u"c", nullptr};
  SkinItemVector rows;
  AddSkinItem(rows, longest);
  AddSkinItem(rows, tooLong);
  ASSERT_TRUE(rows.Entry(0));
  EXPECT_EQ(rows.Entry(0)->FileName, longest);
  EXPECT_FALSE(rows.Entry(1));
  EXPECT_EQ(service.infoRequests, std::vector<std::u16string>{longest});
}

// Service texts that fill the whole buffer are cut, never read past the entry.
class OverfillingService : public fake_player::SkinsService {
 public:
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t*, int32_t,
                                          host::SkinInfoRecord* info) override {
    for (char16_t* buffer : {info->AuthorBuffer, info->DescriptionBuffer, info->NameBuffer})
      std::fill_n(buffer, kSkinTextCapacity, u'x');
    capacities = {info->AuthorBufferSize, info->DescriptionBufferSize, info->NameBufferSize};
    recordSize = info->Size;
    return host::kResultOk;
  }
  std::vector<uint32_t> capacities;
  uint32_t recordSize = 0;
};

TEST_F(SkinEntryTest, TextsThatFillTheBuffersEndAtTheLastCharacter) {
  OverfillingService overfilling;
  const SkinEntryRef entry = CreateSkinEntry(&overfilling, u"Full.acs3");
  ASSERT_TRUE(entry);
  EXPECT_EQ(overfilling.capacities, (std::vector<uint32_t>{512, 512, 512}));
  EXPECT_EQ(overfilling.recordSize, sizeof(host::SkinInfoRecord));
  EXPECT_EQ(entry->Author.size(), 511u);
  EXPECT_EQ(entry->Name.size(), 511u);
  EXPECT_EQ(entry->Description.size(), 511u);
}

// Reads the whole name buffer it is handed, as a service may.
class WholeBufferService : public fake_player::SkinsService {
 public:
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t,
                                          host::SkinInfoRecord*) override {
    buffers.emplace_back(name, kSkinTextCapacity);
    return host::kResultOk;
  }
  std::vector<std::u16string> buffers;
};

// A long name asked about first leaves its characters where the next name's
// buffer lies; the buffer is cleared to its end all the same.
TEST_F(SkinEntryTest, NameBufferIsClearedPastTheName) {
  WholeBufferService whole;
  const std::u16string longest(kSkinTextCapacity - 1, u'a');
  ASSERT_TRUE(CreateSkinEntry(&whole, longest));
  ASSERT_TRUE(CreateSkinEntry(&whole, u"Ocean.acs3"));
  ASSERT_EQ(whole.buffers.size(), 2u);
  EXPECT_EQ(whole.buffers[0], longest + u'\0');
  std::u16string expected = u"Ocean.acs3";
  expected.resize(kSkinTextCapacity, u'\0');
  EXPECT_EQ(whole.buffers[1], expected);
}

// Writes a short text and leaves characters past its NUL, and keeps every
// buffer as it was handed over.
class LitteringService : public fake_player::SkinsService {
 public:
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t,
                                          host::SkinInfoRecord* info) override {
    seen.push_back({std::u16string(name, kSkinTextCapacity),
                    std::u16string(info->AuthorBuffer, kSkinTextCapacity),
                    std::u16string(info->DescriptionBuffer, kSkinTextCapacity),
                    std::u16string(info->NameBuffer, kSkinTextCapacity)});
    for (char16_t* buffer : {info->AuthorBuffer, info->DescriptionBuffer, info->NameBuffer}) {
      std::fill_n(buffer, kSkinTextCapacity, u'x');
      std::copy_n(u"ab", 3, buffer);
    }
    return host::kResultOk;
  }
  std::vector<std::vector<std::u16string>> seen;
};

// The buffers of a load are reused: each call still finds its name alone in
// the name's buffer and the text buffers clear, whatever the call before left.
TEST_F(SkinEntryTest, EveryCallOfALoadGetsClearedBuffers) {
  LitteringService littering;
  littering.AddRef();
  SkinsService = host::HostRef<host::IAIMPSkinsService>(&littering);
  const std::u16string names[] = {std::u16string(kSkinTextCapacity - 1, u'a'), u"Ocean.acs3",
                                  u"", u"b.acs2"};
  SkinItemVector rows;
  SkinEntryCache cache;
  for (const std::u16string& name : names) AddSkinItem(rows, name, &cache);
  ASSERT_EQ(littering.seen.size(), 4u);
  const std::u16string clear(kSkinTextCapacity, u'\0');
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    std::u16string name = names[i];
    name.resize(kSkinTextCapacity, u'\0');
    EXPECT_EQ(littering.seen[i][0], name);
    for (size_t text = 1; text < 4; ++text) EXPECT_EQ(littering.seen[i][text], clear);
    ASSERT_TRUE(rows.Entry(static_cast<int>(i)));
    EXPECT_EQ(rows.Entry(static_cast<int>(i))->Author, u"ab");
  }
  SkinsService.Reset();
}

}  // namespace
}  // namespace kaleidra
