#include "sysinfo/MemoryStatusMB.h"

#include "base/Numbers.h"

namespace brivex {

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

std::int32_t Megabytes(std::uint64_t bytes) {
    return ToInt32(static_cast<double>(bytes) / 1024.0 / 1024.0).value_or(0);
}

std::string Mo(std::int32_t megabytes) { return std::to_string(megabytes) + " Mo"; }

// "##.##" keeps the separator even without decimals, and leaves it alone at 0.
std::string FreePercent(std::int32_t available, std::int32_t total, char separator) {
    const double percent = total == 0 ? 0.0 : static_cast<double>(available) / total * 100.0;
    return FormatNumber(percent, "##.##", separator);
}

// A percentage text as a gauge's value; the separator alone (0 %) reads as 0.
std::int32_t GaugeOf(const std::string& percent, char separator) {
    return ToInt32(TextToNumber(percent, separator).value_or(0.0)).value_or(0);
}

}  // namespace

MemoryStatusMB ReadMemoryStatus(SystemFacts& system) {
    const MemoryStatus status = system.Memory();
    return {static_cast<std::int32_t>(status.memoryLoad),
            Megabytes(status.totalPhysical),
            Megabytes(status.availablePhysical),
            Megabytes(status.totalPageFile),
            Megabytes(status.availablePageFile),
            Megabytes(status.totalVirtual),
            Megabytes(status.availableVirtual)};
}

MemoryFigures ComputeMemoryFigures(const MemoryStatusMB& status, const MemoryStatus& raw, char separator) {
    MemoryFigures figures;
    const std::string totalText = FormatNumber(static_cast<double>(raw.totalPhysical) / kMegabyte + 1, "#0", separator);
    figures.totalPhysical = static_cast<float>(TextToNumber(totalText, separator).value_or(0.0));
    const std::string freeText =
        FormatNumber(static_cast<double>(raw.availablePhysical) / kMegabyte, "#0.0", separator);
    const double free = TextToNumber(freeText, separator).value_or(0.0);
    const float used = figures.totalPhysical - static_cast<float>(free);

    figures.physicalTotal = SingleToText(figures.totalPhysical, separator) + " Mo";
    figures.physicalUsed = SingleToText(used, separator) + " Mo";
    figures.physicalFree = freeText + " Mo";
    figures.physicalFreeGauge = ToInt32(free / figures.totalPhysical * 100.0).value_or(0);

    figures.virtualAndPaging[0] = Mo(status.TotalVirtual);
    figures.virtualAndPaging[1] = Mo(status.AvailableVirtual);
    figures.virtualAndPaging[2] = Mo(status.TotalVirtual - status.AvailableVirtual);
    figures.virtualAndPaging[3] = Mo(status.TotalPageFile);
    figures.virtualAndPaging[4] = Mo(status.AvailablePageFile);
    figures.virtualAndPaging[5] = Mo(status.TotalPageFile - status.AvailablePageFile);

    const std::string virtualFree = FreePercent(status.AvailableVirtual, status.TotalVirtual, separator);
    const std::string pagingFree = FreePercent(status.AvailablePageFile, status.TotalPageFile, separator);
    figures.virtualFreePercent = virtualFree + " %";
    figures.pagingFreePercent = pagingFree + " %";
    figures.virtualFreeGauge = GaugeOf(virtualFree, separator);
    figures.pagingFreeGauge = GaugeOf(pagingFree, separator);
    return figures;
}

}  // namespace brivex
