#include "registry/StartWithWindows.h"

namespace brivex {

void SetStartWithWindows(Reg& reg, const std::string& appFolder, StartEntry entry) {
    if (entry == StartEntry::None) {
        reg.DeleteValue(regroot::LocalMachine, kRunKey, kRunValueName);
        return;
    }
    const std::string data = entry == StartEntry::EveryLogOn ? RunValueData(appFolder) : LogOnRunValueData(appFolder);
    reg.WriteValue(regroot::LocalMachine, kRunKey, kRunValueName, data, regtype::String);
}

}  // namespace brivex
