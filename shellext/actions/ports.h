#pragma once
// What the commands behind the menu items ask of the outside world, behind small
// interfaces so that tests can watch them: the version query, starting a program
// or opening a folder through the shell, and the message boxes.
#include <windows.h>

#include <cstdint>
#include <string>

#include "windows_version.h"

namespace vantor::shell {

class VersionSource {
 public:
  virtual ~VersionSource() = default;
  VersionSource() = default;
  VersionSource(const VersionSource&) = delete;
  VersionSource& operator=(const VersionSource&) = delete;
  virtual OsVersionRecord Query() = 0;
};

struct ProgramStart {
  HWND owner = nullptr;
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;  // "" for none
  int show = SW_SHOWNORMAL;
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  ProgramStarter() = default;
  ProgramStarter(const ProgramStarter&) = delete;
  ProgramStarter& operator=(const ProgramStarter&) = delete;
  // The shell's result code: greater than 32 on success.
  virtual std::intptr_t Start(const ProgramStart& request) = 0;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  MessageBoxes() = default;
  MessageBoxes(const MessageBoxes&) = delete;
  MessageBoxes& operator=(const MessageBoxes&) = delete;
  // Shows the text with one OK button and returns once the user closed the box.
  virtual void Show(const std::string& text) = 0;
};

}  // namespace vantor::shell
