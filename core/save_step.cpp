#include "core/save_step.h"

namespace keyloom::fileos {

SaveStepHook gSaveStepHook = nullptr;

}  // namespace keyloom::fileos
