#include "form/program_version.h"

#include "zelvanu_version.h"

namespace zelvanu {

ProgramVersion programVersion() {
    return {ZELVANU_VERSION_MAJOR, ZELVANU_VERSION_MINOR, ZELVANU_VERSION_PATCH};
}

} // namespace zelvanu
