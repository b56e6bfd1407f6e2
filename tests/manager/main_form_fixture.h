#pragma once
// A TfrmMain on real windows over a throwaway key of the real registry, its
// options file (tips off) in a folder of its own.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "main_form.h"
#include "system_info.h"
#include "temp_dir.h"
#include "test_registry.h"
#include "ui_driver.h"

namespace vantor {
inline void PrintTo(const FolderEntry& entry, std::ostream* out) { *out << "{" << entry.alias << ", " << entry.path << "}"; }
}  // namespace vantor

namespace vantor::testing {

// The real registry, with a record of every value written or deleted through it.
class RecordingRegistry final : public Registry {
 public:
  explicit RecordingRegistry(Registry& inner) : inner_(inner) {}
  std::unique_ptr<RegistryKey> Open(const std::string& path, OpenMode mode) override {
    std::unique_ptr<RegistryKey> key = inner_.Open(path, mode);
    return key ? std::make_unique<Key>(std::move(key), log_) : nullptr;
  }
  // "set N3", "del P4", ... since the last Clear.
  const std::vector<std::string>& log() const { return log_; }
  void Clear() { log_.clear(); }

 private:
  class Key final : public RegistryKey {
   public:
    Key(std::unique_ptr<RegistryKey> inner, std::vector<std::string>& log) : inner_(std::move(inner)), log_(log) {}
    std::optional<RegistryValue> Read(const std::string& name) override { return inner_->Read(name); }
    bool WriteString(const std::string& name, const std::string& text) override {
      log_.push_back("set " + name);
      return inner_->WriteString(name, text);
    }
    bool DeleteValue(const std::string& name) override {
      log_.push_back("del " + name);
      return inner_->DeleteValue(name);
    }

   private:
    std::unique_ptr<RegistryKey> inner_;
    std::vector<std::string>& log_;
  };
  Registry& inner_;
  std::vector<std::string> log_;
};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteTextFile(dir_.File("options.ini"), "[Options]\r\nShowTips=0\r\n"); }

  std::unique_ptr<TfrmMain> Open(const std::function<void(MainFormSetup&)>& tweak = {}) {
    MainFormSetup setup;
    setup.store = &store_;
    setup.executable_path = dir_.File("Vantor.exe");
    setup.window_class = "Vantor Test Main";
    setup.windows_directory = WindowsDirectory;
    setup.open_address = [this](HWND owner, const std::string& address) { opened_.push_back({owner, address}); };
    setup.store_poll_milliseconds = 100;
    if (tweak) tweak(setup);
    auto form = std::make_unique<TfrmMain>(std::move(setup));
    Pump(30);
    return form;
  }

  void SetList(const FolderList& list) {
    reg_->CreateKey();
    store_.RewriteEntries(0, static_cast<std::ptrdiff_t>(list.size()) - 1, list);
  }
  std::vector<std::string> Stored() { return reg_->StringValues(); }
  static std::vector<std::string> Expected(const FolderList& list, std::vector<std::string> extra = {}) {
    return ExpectedStringValues(list, std::move(extra));
  }
  std::vector<std::string> StoredWithoutSetting() {
    std::vector<std::string> values = Stored();
    values.erase(std::remove_if(values.begin(), values.end(),
                                [](const std::string& v) { return v.rfind("SETTING=", 0) == 0; }),
                 values.end());
    return values;
  }
  static FolderList Shown(TfrmMain& form) {
    FolderList shown;
    for (int i = 0; i < form.list().RowCount(); ++i) shown.push_back({form.list().Caption(i), form.list().SubItem(i)});
    return shown;
  }
  static void ClickButton(TfrmMain& form, const char* name) {
    ui::SkinToolBar& bar = form.toolbar();
    ClickAt(bar.handle(), Centre(bar.ButtonRect(bar.IndexOf(name))));
  }
  static bool ButtonEnabled(TfrmMain& form, const char* name) {
    form.UpdateActions();
    return form.toolbar().ButtonEnabled(form.toolbar().IndexOf(name));
  }
  static void ClickRow(TfrmMain& form, int row) { ClickAt(form.list().handle(), Centre(form.list().RowRect(row))); }

  struct RowInk {
    int red = 0;
    int highlight = 0;
  };
  // The list as it paints itself: per row, the pixels in pure red and in the selection colour.
  static std::vector<RowInk> Ink(TfrmMain& form) {
    HWND list = form.list().handle();
    RECT client;
    GetClientRect(list, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<RowInk> ink(static_cast<std::size_t>(form.list().RowCount()));
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    for (int row = 0; row < form.list().RowCount(); ++row) {
      RECT r = form.list().RowRect(row);
      for (int y = std::max(0L, r.top); y < std::min(r.bottom, client.bottom); ++y)
        for (int x = std::max(0L, r.left); x < std::min(r.right, client.right); ++x) {
          COLORREF c = GetPixel(dc, x, y);
          if (c == RGB(255, 0, 0)) ++ink[static_cast<std::size_t>(row)].red;
          if (c == highlight) ++ink[static_cast<std::size_t>(row)].highlight;
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return ink;
  }
  // Rows drawn with red text.
  static std::vector<int> RedRows(TfrmMain& form) {
    std::vector<int> rows;
    std::vector<RowInk> ink = Ink(form);
    for (std::size_t i = 0; i < ink.size(); ++i)
      if (ink[i].red > 0) rows.push_back(static_cast<int>(i));
    return rows;
  }

  std::unique_ptr<TestRegistry> reg_ = RegistryKinds().back().make();  // the real registry
  RecordingRegistry recording_{reg_->registry()};
  FolderStore store_{recording_, reg_->key_path()};
  TempDir dir_;
  std::vector<std::pair<HWND, std::string>> opened_;
};

inline const FolderList kFive = {{"a", "C:\\a"}, {"b", "C:\\b"}, {"c", "C:\\c"}, {"d", "C:\\d"}, {"e", "C:\\e"}};

}  // namespace vantor::testing
