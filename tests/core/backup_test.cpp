#include "backup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "errors.h"
#include "file_io.h"
#include "ini.h"
#include "memory_registry.h"
#include "temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const FolderList kDefaults = {{"Windows Directory", "C:\\windows"}, {"C:\\", "C:\\"}};

FolderList Numbered(int count, const std::string& prefix = "") {
  FolderList list;
  for (int i = 0; i < count; ++i)
    list.push_back({prefix + "alias " + std::to_string(i), "C:\\" + prefix + "folder" + std::to_string(i)});
  return list;
}

std::string BackupText(const FolderList& list) {
  IniDocument doc;
  ExportToDocument(list, doc);
  return doc.Serialize();
}

FolderList Entries(const std::string& text) { return ReadBackupEntries(IniDocument::Parse(text)); }

TEST(BackupName, VtbIsAppendedUnlessTheNameEndsInIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"backup", "backup.vtb"},
      {"backup.txt", "backup.txt.vtb"},
      {"old.VTB", "old.VTB"},
      {"C:\\data\\list.vtb", "C:\\data\\list.vtb"},
      {"C:\\data.old\\list", "C:\\data.old\\list.vtb"},
      {"C:\\x.vtb\\list", "C:\\x.vtb\\list.vtb"},
      {"D:.vTb", "D:.vTb"},
      {"backup.", "backup..vtb"},
      {"backup.vtb.txt", "backup.vtb.txt.vtb"},
      {"backup.vtbx", "backup.vtbx.vtb"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(WithBackupExtension(name), expected) << name;
}

TEST(BackupExport, ANewFileHoldsCountThenTheEntriesInOrder) {
  EXPECT_EQ(BackupText(kDefaults),
            "[Vantor]\r\nCount=2\r\nN0=Windows Directory\r\nP0=C:\\windows\r\nN1=C:\\\r\nP1=C:\\\r\n");
  EXPECT_EQ(BackupText({}), "[Vantor]\r\nCount=0\r\n");
}

TEST(BackupExport, TrickyTextsReadBackExactly) {
  const FolderList tricky = {
      {" leading", "trailing "},     {"\"quoted\"", "'single'"},   {"a=b", "C:\\x=y"},
      {";not a comment", "[not a section]"}, {"\"", "'"},           {"\t tabbed \t", "C:\\Program Files\\"},
      {"caf\xE9", "C:\\\"open"},      {"=", ";"},                   {"[Vantor]", "Count=99"},
  };
  TempDir dir;
  ExportBackupFile(dir.File("tricky.vtb"), tricky);
  EXPECT_EQ(Entries(ReadTextFile(dir.File("tricky.vtb"))), tricky);
}

TEST(BackupExport, KeepsOtherLinesAndOlderEntriesBeyondTheNewCount) {
  TempDir dir;
  const std::string file = dir.File("older.vtb");
  WriteTextFile(file, "; kept\r\n[Other]\r\nx=1\r\n");
  ExportBackupFile(file, Numbered(5, "old "));
  ExportBackupFile(file, Numbered(2, "new "));
  const std::string text = ReadTextFile(file);
  EXPECT_EQ(text.rfind("; kept\r\n[Other]\r\nx=1\r\n[Vantor]\r\nCount=2\r\nN0=new alias 0\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("N4=old alias 4\r\nP4=C:\\old folder4\r\n"), std::string::npos) << text;
  EXPECT_EQ(Entries(text), Numbered(2, "new "));
}

TEST(BackupExport, ALineBreakIsRefusedNamingTheEntryAndNothingIsWritten) {
  struct Case {
    FolderEntry bad;
    const char* expected;
  };
  const Case cases[] = {
      {{"two\nlines", "C:\\x"}, "The entry 3, \"two lines\", holds a line break in its alias, which a backup file cannot "
                                "hold. Nothing was exported."},
      {{"Docs", "C:\\a\r\nb"}, "The entry 3, \"Docs\", holds a line break in its path, which a backup file cannot hold. "
                               "Nothing was exported."},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string fresh = dir.File("fresh.vtb"), existing = dir.File("existing.vtb");
    WriteTextFile(existing, "[Vantor]\r\nCount=1\r\nN0=a\r\nP0=b\r\n");
    FolderList list = kDefaults;
    list.push_back(c.bad);
    for (const std::string& file : {fresh, existing}) {
      try {
        ExportBackupFile(file, list);
        ADD_FAILURE() << "exported " << file;
      } catch (const UserError& error) {
        EXPECT_EQ(std::string(error.what()), c.expected);
      }
    }
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(ReadTextFile(existing), "[Vantor]\r\nCount=1\r\nN0=a\r\nP0=b\r\n");
  }
}

TEST(BackupExport, AnUnwritableFileNamesItsPath) {
  TempDir dir;
  const std::string in_the_way = dir.File("folder.vtb");
  std::filesystem::create_directory(in_the_way);
  try {
    ExportBackupFile(in_the_way, kDefaults);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + in_the_way);
  }
}

TEST(BackupRead, CountDecidesHowManyEntriesAreRead) {
  const std::string ten = "N0=a0\nP0=p0\nN1=a1\nP1=p1\nN2=a2\nP2=p2\nN3=a3\nP3=p3\nN4=a4\nP4=p4\n"
                          "N5=a5\nP5=p5\nN6=a6\nP6=p6\nN7=a7\nP7=p7\nN8=a8\nP8=p8\nN9=a9\nP9=p9\n";
  struct Case {
    const char* count_line;
    std::size_t expected;
  };
  const Case cases[] = {{"Count=3", 3},  {"Count=10", 10}, {"Count=0", 0},     {"Count=-4", 0}, {"", 0},
                        {"Count=", 0},   {"Count=three", 0}, {"count = 2", 2}, {"Count=0x4", 4}, {"Count=\"5\"", 5},
                        {"Count=3x", 0}, {"Count=99", 10}};
  for (const Case& c : cases) {
    FolderList entries = Entries(std::string("[vantor]\n") + c.count_line + "\n" + ten);
    EXPECT_EQ(entries.size(), c.expected) << c.count_line;
    if (!entries.empty()) {
      EXPECT_EQ(entries.back().alias, "a" + std::to_string(c.expected - 1)) << c.count_line;
    }
  }
  EXPECT_THAT(Entries("[Other]\nCount=2\nN0=a\nP0=b\n"), IsEmpty()) << "no section Vantor";
}

TEST(BackupRead, AHugeCountIsCapped) {
  EXPECT_EQ(Entries("[Vantor]\nCount=2147483647\nN0=a\nP0=b\n").size(), 1u);
  EXPECT_EQ(Entries("[Vantor]\nCount=99999999999\nN0=a\nP0=b\n").size(), 0u) << "beyond 32 bits: not an integer";
  const std::string last = std::to_string(kMaxBackupEntries);
  EXPECT_EQ(Entries("[Vantor]\nCount=2147483647\nN" + last + "=a\nP" + last + "=b\n").size(), 0u)
      << "entries beyond the cap are not read";
}

TEST(BackupRead, EntriesWithAnEmptyOrMissingAliasOrPathAreSkipped) {
  EXPECT_THAT(Entries("[Vantor]\nCount=6\nN0=a\nP0=A\nP1=B\nN2=c\nN3=\nP3=D\nN4=\"\"\nP4=E\nN5=f\nP5=F\n"),
              ElementsAre(FolderEntry{"a", "A"}, FolderEntry{"f", "F"}));
}

TEST(BackupMerge, DuplicateRule) {
  const FolderList listed = {{"Docs", "C:\\Users\\me\\Documents"}, {"Root", "D:\\"}};
  struct Case {
    const char* name;
    FolderEntry imported;
    bool appended;
  };
  const Case cases[] = {
      {"identical", {"Docs", "C:\\Users\\me\\Documents"}, false},
      {"path in other case", {"Docs", "c:\\USERS\\ME\\documents"}, false},
      {"path with trailing backslash", {"Docs", "C:\\Users\\me\\Documents\\"}, false},
      {"root without its backslash", {"Root", "d:"}, false},
      {"alias in other case", {"docs", "C:\\Users\\me\\Documents"}, true},
      {"alias with a blank", {"Docs ", "C:\\Users\\me\\Documents"}, true},
      {"other path", {"Docs", "C:\\Users\\me\\Documents2"}, true},
      {"two trailing backslashes", {"Docs", "C:\\Users\\me\\Documents\\\\"}, true},
      {"non-ASCII letters keep their case", {"Docs", "C:\\Users\\me\\Documents\xE9"}, true},
  };
  for (const Case& c : cases) {
    FolderList list = listed;
    std::vector<std::size_t> indexes;
    std::size_t added = MergeBackupEntries({c.imported}, list, [&](std::size_t i) { indexes.push_back(i); });
    EXPECT_EQ(added, c.appended ? 1u : 0u) << c.name;
    EXPECT_EQ(indexes, c.appended ? std::vector<std::size_t>{2} : std::vector<std::size_t>{}) << c.name;
    EXPECT_EQ(list.size(), listed.size() + added) << c.name;
  }
  FolderList twice_non_ascii = {{"a", "C:\\\xE9"}};
  MergeBackupEntries({{"a", "C:\\\xC9"}}, twice_non_ascii, [](std::size_t) {});
  EXPECT_EQ(twice_non_ascii.size(), 2u) << "only ASCII letters are folded";
}

TEST(BackupMerge, EntriesAppendedEarlierInTheSameImportCountAsListed) {
  FolderList list = {{"a", "C:\\a"}};
  MergeBackupEntries({{"b", "C:\\b"}, {"a", "c:\\A\\"}, {"b", "C:\\B"}, {"c", "C:\\c"}, {"b", "C:\\b\\"}}, list,
                     [](std::size_t) {});
  EXPECT_THAT(list, ElementsAre(FolderEntry{"a", "C:\\a"}, FolderEntry{"b", "C:\\b"}, FolderEntry{"c", "C:\\c"}));
}

class BackupImport : public ::testing::Test {
 protected:
  MemoryRegistry registry_;
  const std::string key_ = "Software\\VantorBackupTest";
  FolderStore store_{registry_, key_};
  TempDir dir_;
  std::vector<FolderEntry> shown_;

  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (const auto& [name, value] : registry_.Snapshot(key_)) values.push_back(name + "=" + value.data);
    return values;
  }
  void Store(const FolderList& list) { store_.RewriteEntries(0, static_cast<std::ptrdiff_t>(list.size()) - 1, list); }
  std::size_t Import(const std::string& file, FolderList& list) {
    return ImportBackupFile(file, list, store_, [&](const FolderEntry& entry) { shown_.push_back(entry); });
  }
};

TEST_F(BackupImport, ExportThenImportIntoTheUnchangedListChangesNothing) {
  for (const FolderList& list : {FolderList{}, kDefaults, Numbered(12)}) {
    const std::string file = dir_.File("same.vtb");
    Store(list);
    const auto before = Values();
    ExportBackupFile(file, list);
    FolderList rows = list;
    EXPECT_EQ(Import(file, rows), 0u);
    EXPECT_EQ(rows, list);
    EXPECT_THAT(shown_, IsEmpty());
    EXPECT_EQ(Values(), before);
  }
}

TEST_F(BackupImport, NewEntriesGoToTheEndOfListAndStoreInFileOrder) {
  FolderList rows = kDefaults;
  Store(rows);
  const std::string file = dir_.File("merge.vtb");
  WriteTextFile(file, "[Vantor]\r\nCount=4\r\nN0=New 1\r\nP0=E:\\one\r\nN1=C:\\\r\nP1=c:\r\nN2=New 2\r\nP2=E:\\two\r\n"
                      "N3=New 1\r\nP3=e:\\ONE\\\r\n");
  EXPECT_EQ(Import(file, rows), 2u);
  const FolderList expected = {kDefaults[0], kDefaults[1], {"New 1", "E:\\one"}, {"New 2", "E:\\two"}};
  EXPECT_EQ(rows, expected);
  EXPECT_THAT(shown_, ElementsAre(expected[2], expected[3]));
  EXPECT_EQ(store_.ReadFolderList(), expected);
  EXPECT_EQ(registry_.ValueCount(key_), 8u);
}

TEST_F(BackupImport, CountThreeOfTenImportsThreeAndMissingFilesNothing) {
  IniDocument doc;
  ExportToDocument(Numbered(10), doc);
  doc.Set("Vantor", "Count", "3");
  WriteFileAtomically(dir_.File("three.vtb"), doc.Serialize());
  FolderList rows;
  EXPECT_EQ(Import(dir_.File("three.vtb"), rows), 3u);
  EXPECT_EQ(rows, Numbered(3));
  EXPECT_EQ(Import(dir_.File("missing.vtb"), rows), 0u);
  EXPECT_EQ(Import(dir_.path(), rows), 0u) << "a folder";
  EXPECT_EQ(store_.ReadFolderList(), Numbered(3));
}

TEST_F(BackupImport, ARefusedStoreWriteEndsTheImportKeepingWhatWasAppended) {
  ExportBackupFile(dir_.File("four.vtb"), Numbered(4));
  registry_.RefuseWrite("P1");
  FolderList rows;
  EXPECT_THROW(Import(dir_.File("four.vtb"), rows), UserError);
  EXPECT_EQ(rows, Numbered(2)) << "the entry being appended stays in the list";
  EXPECT_EQ(shown_, Numbered(2));
  EXPECT_EQ(store_.ReadFolderList(), Numbered(1));
  EXPECT_NE(registry_.Find(key_, "N1"), nullptr) << "written before the refusal";
}

#ifdef _WIN32
// Backups as older tools wrote them: one WritePrivateProfileStringA call per key.
std::string ProfileRead(const std::string& file, const std::string& key) {
  std::string buffer(4096, '\0');
  DWORD length = GetPrivateProfileStringA("Vantor", key.c_str(), "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                          file.c_str());
  buffer.resize(length);
  return buffer;
}

const FolderList& ProfileWritable() {
  static const FolderList entries = {
      {"Windows Directory", "C:\\windows"}, {"C:\\", "C:\\"},       {"a=b", "C:\\x=y"},
      {"caf\xE9", "C:\\Users\\caf\xE9"},    {"\"open", "close\""}, {" padded ", "  C:\\padded  "},
      {"\"quoted\"", "'C:\\quoted'"},        {";semi", "[bracket]"}, {"x y", "C:\\Program Files\\"},
  };
  return entries;
}

TEST(BackupFromProfileFunctions, ImportsWhatTheProfileFunctionsReadBack) {
  TempDir dir;
  const std::string file = dir.File("older.vtb");
  const FolderList& written = ProfileWritable();
  ASSERT_TRUE(WritePrivateProfileStringA("Vantor", "Count", std::to_string(written.size()).c_str(), file.c_str()));
  for (std::size_t i = 0; i < written.size(); ++i) {
    WritePrivateProfileStringA("Vantor", AliasValueName(i).c_str(), written[i].alias.c_str(), file.c_str());
    WritePrivateProfileStringA("Vantor", PathValueName(i).c_str(), written[i].path.c_str(), file.c_str());
  }
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());

  FolderList as_older_tools_read;
  for (std::size_t i = 0; i < written.size(); ++i)
    as_older_tools_read.push_back({ProfileRead(file, AliasValueName(i)), ProfileRead(file, PathValueName(i))});
  EXPECT_EQ(as_older_tools_read[0], written[0]) << "the plain entries read back as written";

  MemoryRegistry registry;
  FolderStore store(registry, "Software\\VantorBackupTest");
  FolderList rows;
  EXPECT_EQ(ImportBackupFile(file, rows, store, [](const FolderEntry&) {}), written.size());
  EXPECT_EQ(rows, as_older_tools_read);
}

TEST(BackupFromProfileFunctions, TheProfileFunctionsReadOurBackupExactly) {
  TempDir dir;
  const std::string file = dir.File("ours.vtb");
  WriteTextFile(file, "; written by hand\r\n[Vantor]\r\nCount=40\r\nN20=old\r\n");
  ExportBackupFile(file, ProfileWritable());
  EXPECT_EQ(ProfileRead(file, "Count"), std::to_string(ProfileWritable().size()));
  for (std::size_t i = 0; i < ProfileWritable().size(); ++i) {
    EXPECT_EQ(ProfileRead(file, AliasValueName(i)), ProfileWritable()[i].alias) << i;
    EXPECT_EQ(ProfileRead(file, PathValueName(i)), ProfileWritable()[i].path) << i;
  }
  EXPECT_EQ(ProfileRead(file, "N20"), "old");
}
#endif

}  // namespace
}  // namespace vantor::testing
