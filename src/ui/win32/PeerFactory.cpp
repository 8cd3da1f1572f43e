#include "ui/win32/PeerFactory.h"

#include <map>

namespace brivex::ui {

namespace {

std::map<std::type_index, PeerFactory>& Factories() {
    static std::map<std::type_index, PeerFactory> factories;
    return factories;
}

}  // namespace

void RegisterPeerFactory(std::type_index type, PeerFactory factory) { Factories()[type] = std::move(factory); }

const PeerFactory* FindPeerFactory(const Control& control) {
    const auto it = Factories().find(typeid(control));
    return it == Factories().end() ? nullptr : &it->second;
}

}  // namespace brivex::ui
