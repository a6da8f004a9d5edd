// The one entry point of the engine library.
#include "engine/constants.h"
#include "engine/engine_run.h"

extern "C" {

__attribute__((visibility("default"))) int ITORVEN(int handshake) {
    if (handshake != torven::k::kHandshake) return 1;
    try {
        torven::EngineRun run;
        return run.run();
    } catch (...) {
        // A failure of the engine must never end the caller's process.
        return 0;
    }
}

// Same entry under the decorated name that callers look up.
__attribute__((visibility("default"))) int _ITORVEN(int handshake) __attribute__((alias("ITORVEN")));
}
