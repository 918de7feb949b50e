#include "foundation/KWDialogClass.h"

namespace tolvane {

KWDialogClass::KWDialogClass() { MSQ = NewList<TMultiFileRecord>(); }

KWDialogClass::~KWDialogClass() { DialogDestruction(); }

void KWDialogClass::DialogDestruction() { MSQ.reset(); }

}  // namespace tolvane
