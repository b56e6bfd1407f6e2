// What the store needs from a registry, checked against the in-memory stand-in and,
// under Windows, against the real registry: both must behave alike.
#include <gtest/gtest.h>

#include "test_registry.h"

namespace vantor::testing {
namespace {

class RegistryContract : public ::testing::TestWithParam<RegistryKind> {
 protected:
  std::unique_ptr<TestRegistry> reg_ = GetParam().make();
  Registry& registry() { return reg_->registry(); }
  const std::string& path() { return reg_->key_path(); }
};

TEST_P(RegistryContract, OpenModesCreateOnlyWhenAsked) {
  EXPECT_EQ(registry().Open(path(), OpenMode::kReadOnly), nullptr);
  EXPECT_EQ(registry().Open(path(), OpenMode::kExisting), nullptr);
  EXPECT_FALSE(reg_->KeyExists());
  EXPECT_NE(registry().Open(path(), OpenMode::kCreate), nullptr);
  EXPECT_TRUE(reg_->KeyExists());
  EXPECT_NE(registry().Open(path(), OpenMode::kExisting), nullptr);
  EXPECT_NE(registry().Open(path(), OpenMode::kReadOnly), nullptr);
}

TEST_P(RegistryContract, StringsAreWrittenAsTerminatedRegSz) {
  auto key = registry().Open(path(), OpenMode::kCreate);
  ASSERT_TRUE(key->WriteString("N0", "My Docs"));
  ASSERT_TRUE(key->WriteString("P0", ""));
  auto alias = key->Read("N0");
  ASSERT_TRUE(alias);
  EXPECT_EQ(alias->type, regtype::kString);
  EXPECT_EQ(alias->data, std::string("My Docs\0", 8));
  EXPECT_EQ(key->Read("P0")->data, std::string(1, '\0'));
  EXPECT_FALSE(key->Read("N1"));
}

TEST_P(RegistryContract, NamesAreCaseInsensitive) {
  auto key = registry().Open(path(), OpenMode::kCreate);
  ASSERT_TRUE(key->WriteString("Setting", "a"));
  ASSERT_TRUE(key->WriteString("SETTING", "b"));
  EXPECT_EQ(key->Read("setting")->data, std::string("b\0", 2));
  EXPECT_EQ(reg_->Values().size(), 1u);
}

TEST_P(RegistryContract, RawValuesOfAnyTypeReadBackByteForByte) {
  const std::string binary("\x01\x00\x02\xff", 4);
  reg_->SetRaw("B", RegistryValue{regtype::kBinary, binary});
  reg_->SetRaw("E", RegistryValue{regtype::kExpandString, std::string("%WINDIR%\\x\0", 11)});
  reg_->SetRaw("U", RegistryValue{regtype::kString, "unterminated"});
  auto key = registry().Open(path(), OpenMode::kReadOnly);
  EXPECT_EQ(key->Read("B")->type, regtype::kBinary);
  EXPECT_EQ(key->Read("B")->data, binary);
  EXPECT_EQ(key->Read("E")->type, regtype::kExpandString);
  EXPECT_EQ(key->Read("E")->data, std::string("%WINDIR%\\x\0", 11));
  EXPECT_EQ(key->Read("U")->data.substr(0, 12), "unterminated");
}

TEST_P(RegistryContract, DeletingMissingValuesIsNoError) {
  auto key = registry().Open(path(), OpenMode::kCreate);
  ASSERT_TRUE(key->WriteString("N0", "x"));
  EXPECT_TRUE(key->DeleteValue("N0"));
  EXPECT_TRUE(key->DeleteValue("N0"));
  EXPECT_FALSE(key->Read("N0"));
}

TEST_P(RegistryContract, ReadOnlyKeyRefusesWrites) {
  reg_->CreateKey();
  auto key = registry().Open(path(), OpenMode::kReadOnly);
  EXPECT_FALSE(key->WriteString("N0", "x"));
  EXPECT_TRUE(reg_->Values().empty());
}

INSTANTIATE_TEST_SUITE_P(Registries, RegistryContract, ::testing::ValuesIn(RegistryKinds()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vantor::testing
