#pragma once

#include "doubles/scripted_dialogs.h"
#include "settings/settings_store.h"
#include "support/test_folders.h"

// The temporary folders of one test with the settings store over them, and scripted dialogs.
class TestStore : public TestFolders
{
public:
    using TestFolders::TestFolders;

    // Puts a folder in place of the settings file, so that no write reaches it, and returns the
    // message that tells the user so.
    QString blockSettingsFile() const;

    // Stores a text as the program would have stored it before the test; a failure fails the test.
    void setStored(const QString& key, const QString& text);

    SettingsStore store{SettingsPlace::IniFile};
    ScriptedDialogs dialogs;
};
