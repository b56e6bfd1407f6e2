#pragma once
#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace vantor::shell {

// Fills `list` with the full paths of the data object's file list (CF_HDROP), each
// whole however long. Returns the data object's failure code when it has no file
// list, E_INVALIDARG when the list holds no names; `list` is cleared first.
HRESULT ReadSelection(IDataObject& data, std::vector<std::string>& list);

}  // namespace vantor::shell
