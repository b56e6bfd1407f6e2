#pragma once
// What registering the handler writes and unregistering removes, in order. Kept
// apart from the Win32 calls so that the order and the stop-at-first-failure rule
// are checked against a recording writer as well as the real registry.
#include <string>
#include <vector>

namespace vantor::shell {

inline constexpr const char* kHandlerClsid = "{3FF0AAD4-EF61-4409-B47C-62CD81A6D902}";
inline constexpr const char* kHandlerClassName = "KXContextMenu";
inline constexpr const char* kApprovedKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

// kClassesRoot is the machine-wide class registration (HKEY_CLASSES_ROOT);
// kCurrentUserClasses is HKEY_CURRENT_USER\Software\Classes, writable without
// administrator rights.
enum class RegistryRoot { kClassesRoot, kLocalMachine, kCurrentUserClasses };

struct RegistryEntry {
  RegistryRoot root;
  std::string key;
  std::string value_name;  // "" for the key's default value
  std::string data;
  bool operator==(const RegistryEntry& o) const {
    return root == o.root && key == o.key && value_name == o.value_name && data == o.data;
  }
};

struct RegistryRemoval {
  RegistryRoot root;
  std::string key;
  std::string value_name;  // empty: delete the key; otherwise: delete this value of the key
  // Delete the key only when nothing but our own traces is left in it: no subkey and
  // no value other than an empty default value.
  bool only_if_empty = false;
  bool operator==(const RegistryRemoval& o) const {
    return root == o.root && key == o.key && value_name == o.value_name && only_if_empty == o.only_if_empty;
  }
};

// "VTShellExt.KXContextMenu" for ...\VTShellExt.dll: the module's file name without
// its extension, a full stop, the class name.
std::string ProgIdFromModulePath(const std::string& module_path);

// The entries in the order written, the class and handler keys under `classes_root`.
// `server_path` is the path to record (already shortened when it has a blank). The
// approval entry only for the machine-wide registration on the NT platform.
std::vector<RegistryEntry> RegistrationEntries(const std::string& server_path, const std::string& prog_id,
                                               bool nt_platform,
                                               RegistryRoot classes_root = RegistryRoot::kClassesRoot);

// Machine-wide: the class keys, the five handler keys and the approval value; the
// intermediate keys stay. Per user (kCurrentUserClasses): the same class and handler
// keys, then the intermediate keys and their parents that are left empty, so that the
// user's classes are as they were before the per-user registration.
std::vector<RegistryRemoval> UnregistrationSteps(const std::string& prog_id,
                                                 RegistryRoot classes_root = RegistryRoot::kClassesRoot);

// The one command line DllInstall accepts: "user", in any case.
bool IsPerUserCommandLine(const wchar_t* command_line);

class RegistryWriter {
 public:
  virtual ~RegistryWriter() = default;
  // Creates the key when missing and sets one REG_SZ value; false when refused.
  virtual bool SetString(const RegistryEntry& entry) = 0;
  // Deletes a key (no subkeys) or a value; failures are no concern of the caller.
  virtual void Remove(const RegistryRemoval& removal) = 0;
};

// Writes the entries in order and stops at the first refused one, leaving the
// earlier ones in place. Returns whether all were written.
bool ApplyRegistration(const std::vector<RegistryEntry>& entries, RegistryWriter& writer);
void ApplyUnregistration(const std::vector<RegistryRemoval>& steps, RegistryWriter& writer);

}  // namespace vantor::shell
