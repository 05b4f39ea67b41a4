#pragma once

#include <QString>

#include <array>

namespace lancefall {

// The five files of a module folder, in the order they are read.
enum class ModuleFile { Troops, Items, Factions, PartyTemplates, Parties };
inline constexpr int kModuleFileCount = 5;
inline constexpr std::array<ModuleFile, kModuleFileCount> kModuleFiles{
    ModuleFile::Troops, ModuleFile::Items, ModuleFile::Factions, ModuleFile::PartyTemplates, ModuleFile::Parties};

// The bare file name: "troops.txt".
QString moduleFileName(ModuleFile file);

} // namespace lancefall
