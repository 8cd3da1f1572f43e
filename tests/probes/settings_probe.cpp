// A separate program run for the settings tests, so that "the next run of the
// program" is a real new process: settings_probe save|get APP SECTION KEY VALUE|DEFAULT
#include <cstdio>
#include <cstring>

#include "platform/win32/RegistrySettingsStore.h"

int main(int argc, char** argv) {
    if (argc != 6) return 2;
    brivex::RegistrySettingsStore store;
    if (std::strcmp(argv[1], "save") == 0) {
        store.SaveSetting(argv[2], argv[3], argv[4], argv[5]);
        return 0;
    }
    std::fputs(store.GetSetting(argv[2], argv[3], argv[4], argv[5]).c_str(), stdout);
    return 0;
}
