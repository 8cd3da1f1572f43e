#include "ui/win32/PeerFactory.h"

#include <map>

namespace brivex::ui {

namespace {

std::map<std::string, PeerFactory, std::less<>>& Factories() {
    static std::map<std::string, PeerFactory, std::less<>> factories;
    return factories;
}

}  // namespace

void RegisterPeerFactory(std::string kind, PeerFactory factory) { Factories()[std::move(kind)] = std::move(factory); }

const PeerFactory* FindPeerFactory(std::string_view kind) {
    const auto it = Factories().find(kind);
    return it == Factories().end() ? nullptr : &it->second;
}

}  // namespace brivex::ui
