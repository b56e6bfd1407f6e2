#include "selection.h"

#include <shellapi.h>

#include <cstring>

#include "win_handles.h"

namespace vantor::shell {

HRESULT ReadSelection(IDataObject& data, std::vector<std::string>& list) {
  list.clear();
  FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  HRESULT hr = data.GetData(&format, &medium);
  if (FAILED(hr)) return hr;
  StgMediumGuard release(medium);
  if (medium.tymed != TYMED_HGLOBAL || !medium.hGlobal) return E_INVALIDARG;
  HDROP drop = static_cast<HDROP>(medium.hGlobal);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  if (count == 0 || count > 0x7FFFFFFF) return E_INVALIDARG;
  std::vector<std::string> paths;
  paths.reserve(count);
  for (UINT k = 0; k < count; ++k) {
    // Ask for the length first: a path is never cut at MAX_PATH.
    const UINT length = DragQueryFileA(drop, k, nullptr, 0);
    std::string path(length + 1, '\0');
    const UINT copied = DragQueryFileA(drop, k, path.data(), length + 1);
    path.resize(std::strlen(path.c_str()));
    if (copied < path.size()) path.resize(copied);
    if (!path.empty()) paths.push_back(std::move(path));  // an empty name is no item
  }
  if (paths.empty()) return E_INVALIDARG;
  list = std::move(paths);
  return S_OK;
}

}  // namespace vantor::shell
