#include "core/EditMode.h"

namespace chordex {

int EditMode = 0;

}  // namespace chordex
