#include "support/test_environment.h"

RunningProgram& TestEnvironment::program()
{
    if (!program_)
        program_ = std::make_unique<RunningProgram>(store, dialogs, programFolder());
    return *program_;
}
