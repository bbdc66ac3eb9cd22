#pragma once
// Which data folder a start opens. The data folder is the current
// directory when it holds data; a launcher starts in the home folder,
// though, and Velno must not litter it: then the folder used last is
// opened, or the user is asked.

#include <filesystem>
#include <optional>

namespace velno::app {

// Some data file of a current or older data folder exists in `folder`.
bool folderHoldsData(const std::filesystem::path& folder);

struct StartFolderInput {
    std::optional<std::filesystem::path> dataArgument;  // --data
    bool demo = false;                                  // --demo
    std::filesystem::path currentDirectory;
    std::optional<std::filesystem::path> lastUsed;  // remembered per user
    std::filesystem::path demoFolder;               // in the user's data directory
};

struct StartFolder {
    enum class Kind {
        Open,        // open `folder`
        CreateDemo,  // write the demo congregation into `folder`, then open it
        Ask,         // first start: ask the user
    };
    Kind kind = Kind::Ask;
    std::filesystem::path folder;
};

StartFolder chooseStartFolder(const StartFolderInput& input);

}  // namespace velno::app
