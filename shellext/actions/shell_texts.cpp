#include "shell_texts.h"

#include <windows.h>

namespace vantor::shell {
namespace {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

}  // namespace

const char* DefaultShellText(ShellText id) {
  switch (id) {
    case ShellText::kFailedToRun: return "Failed to run ";
    case ShellText::kRunManagerOnce: return "Please run the Vantor at least once.";
    case ShellText::kSuccessfullyAdded: return " successfully added to your folders list.";
    case ShellText::kDoesNotExist: return " does not exist.";
  }
  return "";
}

std::string LoadShellText(ShellText id) {
  char buffer[512];
  int length = LoadStringA(ThisModule(), static_cast<UINT>(id), buffer, sizeof buffer);
  if (length <= 0) return DefaultShellText(id);
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string DoesNotExistMessage(const std::string& path) {
  return "\"" + path + "\"" + LoadShellText(ShellText::kDoesNotExist);
}

}  // namespace vantor::shell
