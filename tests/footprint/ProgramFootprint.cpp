#include "footprint/ProgramFootprint.h"

#include <algorithm>

#include "optimise/RegistryChangeList.h"
#include "platform/SettingsStore.h"
#include "registry/Settings.h"
#include "registry/StartWithWindows.h"
#include "tweaks/TweakCatalogue.h"

namespace brivex::footprint {

namespace {

std::string RootName(RegKey root) {
    switch (root) {
        case regroot::ClassesRoot: return "HKEY_CLASSES_ROOT";
        case regroot::CurrentUser: return "HKEY_CURRENT_USER";
        case regroot::LocalMachine: return "HKEY_LOCAL_MACHINE";
        case regroot::Users: return "HKEY_USERS";
    }
    return "<unknown root>";
}

}  // namespace

std::string RegistryPath(RegKey root, std::string_view key) { return RootName(root) + "\\" + std::string(key); }

std::string_view GroupName(Group group) {
    switch (group) {
        case Group::Optimisation: return "optimisation";
        case Group::Tweaks: return "tweaks";
        case Group::StartWithWindows: return "start with Windows";
        case Group::Settings: return "settings";
    }
    return "?";
}

ProgramFootprint::ProgramFootprint()
    : settingsKey_(RegistryPath(regroot::CurrentUser, std::string(kSettingsStoreKey) + "\\" + std::string(kAppTitle))) {
    for (const RegistryWrite& write : RegistryChanges()) {
        if (write.RemovesKey()) removedKeys_.push_back(RegistryPath(write.root, write.key));
        else
            values_.push_back(
                {Group::Optimisation, RegistryPath(write.root, write.key), std::string(write.valueName), write.Type()});
    }
    for (const TweakEntry& entry : TweakCatalogue())
        for (const TweakSwitch which : {TweakSwitch::Off, TweakSwitch::On})
            for (const RegistryWrite& write : entry.WritesFor(which))
                values_.push_back(
                    {Group::Tweaks, RegistryPath(write.root, write.key), std::string(write.valueName), write.Type()});
    values_.push_back(
        {Group::StartWithWindows, RegistryPath(regroot::LocalMachine, kRunKey), kRunValueName, regtype::String});
}

std::vector<Group> ProgramFootprint::GroupsAllowing(const Difference& difference) const {
    std::vector<Group> groups;
    const auto add = [&groups](Group group) {
        if (std::find(groups.begin(), groups.end(), group) == groups.end()) groups.push_back(group);
    };
    switch (difference.change) {
        case Change::KeyCreated:
            // Its sections, the key itself, and the store's area when this is the first program to use it.
            if (IsAtOrUnder(difference.key, settingsKey_) ||
                (IsAtOrUnder(settingsKey_, difference.key) &&
                 IsAtOrUnder(difference.key, RegistryPath(regroot::CurrentUser, kSettingsStoreKey))))
                add(Group::Settings);
            break;
        case Change::KeyDeleted:
            for (const std::string& key : removedKeys_)
                if (SameName(difference.key, key)) add(Group::Optimisation);
            break;
        case Change::ValueAdded:
        case Change::ValueChanged:
        case Change::ValueDeleted:
            for (const Row& row : values_)
                if (SameName(difference.key, row.key) && SameName(difference.valueName, row.valueName) &&
                    (difference.change == Change::ValueDeleted || difference.type == row.type))
                    add(row.group);
            if (difference.change == Change::ValueDeleted) {
                for (const std::string& key : removedKeys_)
                    if (SameName(difference.key, key)) add(Group::Optimisation);
            } else if (IsAtOrUnder(difference.key, settingsKey_) && difference.type == regtype::String) {
                // The store keeps texts and never deletes one.
                add(Group::Settings);
            }
            break;
    }
    return groups;
}

std::vector<std::string> ProgramFootprint::Keys() const {
    std::vector<std::string> keys = removedKeys_;
    for (const Row& row : values_) keys.push_back(row.key);
    keys.push_back(settingsKey_);
    return keys;
}

}  // namespace brivex::footprint
