#include "registration_plan.h"

namespace vantor::shell {

std::string ProgIdFromModulePath(const std::string& module_path) {
  const std::size_t slash = module_path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? module_path : module_path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + "." + kHandlerClassName;
}

namespace {

std::string ClassKey() { return std::string("CLSID\\") + kHandlerClsid; }

// Under each: the intermediate keys get an empty default value, the handler key the CLSID.
const char* const kHandlerParents[] = {"*\\shellex", "Directory\\Background\\ShellEx", "Directory\\ShellEx",
                                       "Drive\\ShellEx", "Folder\\ShellEx"};

// What a per-user registration may have created around the class and handler keys.
const char* const kPerUserParents[] = {
    "CLSID",
    "*\\shellex\\ContextMenuHandlers", "*\\shellex", "*",
    "Directory\\Background\\ShellEx\\ContextMenuHandlers", "Directory\\Background\\ShellEx", "Directory\\Background",
    "Directory\\ShellEx\\ContextMenuHandlers", "Directory\\ShellEx", "Directory",
    "Drive\\ShellEx\\ContextMenuHandlers", "Drive\\ShellEx", "Drive",
    "Folder\\ShellEx\\ContextMenuHandlers", "Folder\\ShellEx", "Folder",
};

}  // namespace

std::vector<RegistryEntry> RegistrationEntries(const std::string& server_path, const std::string& prog_id,
                                               bool nt_platform, RegistryRoot classes_root) {
  const RegistryRoot hkcr = classes_root;
  const std::string class_key = ClassKey();
  std::vector<RegistryEntry> entries = {
      {hkcr, class_key, "", ""},
      {hkcr, class_key + "\\InprocServer32", "", server_path},
      {hkcr, class_key + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {hkcr, prog_id, "", ""},
      {hkcr, prog_id + "\\Clsid", "", kHandlerClsid},
      {hkcr, class_key + "\\ProgID", "", prog_id},
  };
  for (const char* parent : kHandlerParents) {
    const std::string handlers = std::string(parent) + "\\ContextMenuHandlers";
    entries.push_back({hkcr, parent, "", ""});
    entries.push_back({hkcr, handlers, "", ""});
    entries.push_back({hkcr, handlers + "\\VTShellExt", "", kHandlerClsid});
  }
  if (nt_platform && classes_root == RegistryRoot::kClassesRoot)
    entries.push_back({RegistryRoot::kLocalMachine, kApprovedKey, kHandlerClsid, kHandlerClassName});
  return entries;
}

std::vector<RegistryRemoval> UnregistrationSteps(const std::string& prog_id, RegistryRoot classes_root) {
  const RegistryRoot hkcr = classes_root;
  const std::string class_key = ClassKey();
  std::vector<RegistryRemoval> steps = {
      {hkcr, class_key + "\\ProgID", ""},
      {hkcr, prog_id + "\\Clsid", ""},
      {hkcr, prog_id, ""},
      {hkcr, class_key + "\\InprocServer32", ""},
      {hkcr, class_key, ""},
  };
  for (const char* parent : kHandlerParents)
    steps.push_back({hkcr, std::string(parent) + "\\ContextMenuHandlers\\VTShellExt", ""});
  if (classes_root == RegistryRoot::kClassesRoot) {
    steps.push_back({RegistryRoot::kLocalMachine, kApprovedKey, kHandlerClsid});
    return steps;
  }
  // Innermost first, so that a parent is tested after its children are gone.
  for (const char* key : kPerUserParents) steps.push_back({hkcr, key, "", true});
  return steps;
}

bool IsPerUserCommandLine(const wchar_t* command_line) {
  if (!command_line) return false;
  const wchar_t* const expected = L"user";
  std::size_t i = 0;
  for (; command_line[i] != L'\0'; ++i) {
    if (expected[i] == L'\0') return false;
    wchar_t c = command_line[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != expected[i]) return false;
  }
  return expected[i] == L'\0';
}

bool ApplyRegistration(const std::vector<RegistryEntry>& entries, RegistryWriter& writer) {
  for (const RegistryEntry& entry : entries)
    if (!writer.SetString(entry)) return false;
  return true;
}

void ApplyUnregistration(const std::vector<RegistryRemoval>& steps, RegistryWriter& writer) {
  for (const RegistryRemoval& step : steps) writer.Remove(step);
}

}  // namespace vantor::shell
