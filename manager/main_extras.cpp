// Import, Export, Options and the start-up tip of the main window.
#include "main_form.h"

namespace vantor {

void TfrmMain::bImportClick() {}

void TfrmMain::bExportClick() {}

void TfrmMain::ToolButton10Click() {}

void TfrmMain::ShowTipsIfWanted() {}

}  // namespace vantor
