// What a start does with the files that killed saves left beside the env
// file, and the way back to env.bak.
#pragma once

#include <string>

namespace keyloom {

struct StartupRecovery {
    bool envMissingOrEmpty = false;    // after any temporary was put in place
    bool backupPresent = false;        // env.bak is there (a file, not empty)
    bool putTemporaryInPlace = false;  // a whole temporary became env
};

// Removes what dead saves left beside envPath (folder, separator, name),
// never the only copy of a text. For env and for env.bak alike: when
// nothing stands at the name, or an empty file, the newest whole temporary
// of a writer that has ended is put in place; the other temporaries of
// ended writers go, partial ones always, whole ones unless the name holds
// something that no text can be put in (a folder, a link that leads
// nowhere), where they are the only copies. A whole temporary that is left
// beside a file with text never became that file: the save that wrote it
// was killed before its last step, so the file still holds the last whole
// text. Temporaries of a Keyloom still running stay, and so does every
// other file.
StartupRecovery RecoverLeftoversAtStartup(const std::string& envPath);

// Copies env.bak over env (links at env followed, in one step as a save
// replaces env); env.bak stays. False when env.bak is missing, empty or
// unreadable, or env cannot be replaced.
bool RestoreBackup(const std::string& envPath);

}  // namespace keyloom
