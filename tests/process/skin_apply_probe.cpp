// Calls ApplySkin with the skin index given on the command line, as the
// created handler would, so a process test can watch the library calls of
// indices the program itself never uses.
#include <cstdlib>

#include "platform/globals.h"
#include "platform/skin_commands.h"
#include "platform/skin_module.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    keyloom::SkinModuleInstance = new keyloom::SkinModule(keyloom::SkinModule::NoInstall{});
    keyloom::SkinModuleInstance->ApplySkin(std::atoi(argv[1]), 110, 40, 10);
    keyloom::ReleaseSkinCommandHandles();
    return 0;
}
