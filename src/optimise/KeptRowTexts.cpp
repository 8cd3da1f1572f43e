#include "optimise/KeptRowTexts.h"

#include "lang/FillText.h"
#include "platform/SystemFacts.h"
#include "registry/RegFileWriter.h"

namespace brivex {

namespace {

const OptimisationText& ReasonText(WriteCondition unmet) {
    switch (unmet) {
        case WriteCondition::OutsideDomain: return keptrowtext::DomainMember;
        case WriteCondition::NotSystemManaged: return keptrowtext::SystemManaged;
        case WriteCondition::NotPerVolume: return keptrowtext::PerVolume;
        case WriteCondition::Always:  // never unmet
        case WriteCondition::LargeMemory: break;
    }
    return keptrowtext::SmallMemory;
}

}  // namespace

KeptRowTexts::KeptRowTexts(const Platform& platform, Settings& settings)
    : trans_(platform.ini, platform.ansi, language_),
      file_(settings.Get(setting::LanguageFile, FrenchReferenceFile(platform.system.ApplicationFolder()))) {}

std::string KeptRowTexts::Get(const OptimisationText& text) {
    return trans_.ReadIniText(file_, std::string(kOptimisationTextSection), std::string(text.key),
                              std::string(text.french));
}

std::string KeptRowTexts::Note(const RegistryWrite& write, WriteCondition unmet) {
    std::string where(RegistryRootName(write.root));
    where.append("\\").append(write.key);
    if (!write.RemovesKey()) where.append("\\").append(write.valueName);
    return FillText(Get(keptrowtext::Kept), {where, Get(ReasonText(unmet))});
}

}  // namespace brivex
