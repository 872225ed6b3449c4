#pragma once

#include "app/running_program.h"
#include "support/test_store.h"

#include <memory>

// A whole program for one test: temporary folders, the settings store over them, scripted
// dialogs, and the windows created on demand (and gone before the store and the folders).
class TestEnvironment : public TestStore
{
public:
    using TestStore::TestStore;

    // The program, created on first use; start() also creates the main window (start-up).
    RunningProgram& program()
    {
        if (!program_)
            program_ = std::make_unique<RunningProgram>(store, dialogs, programFolder());
        return *program_;
    }
    MainWindow& start() { return program().start(); }

private:
    std::unique_ptr<RunningProgram> program_;
};
