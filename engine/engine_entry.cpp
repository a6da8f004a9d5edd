// The one entry point of the engine library.
#include "engine/constants.h"
#include "engine/engine_run.h"

extern "C" {

__attribute__((visibility("default"))) int ITORVEN(int handshake) {
    if (handshake != torven::k::kHandshake) return 1;
    torven::EngineRun run;
    return run.run();
}

// Same entry under the decorated name that callers look up.
__attribute__((visibility("default"))) int _ITORVEN(int handshake) __attribute__((alias("ITORVEN")));
}
