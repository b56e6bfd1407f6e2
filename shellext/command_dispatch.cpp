// Placeholder until the actions library is linked in: the actions library replaces
// this file with the real commands (jump, Add to Vantor, Settings...).
#include "command_dispatch.h"

namespace vantor::shell {

HRESULT RunCommand(const DecodedCommand&, const InvokeContext&) noexcept { return S_OK; }

}  // namespace vantor::shell
