#include "app/StartFolder.h"

#include <system_error>

#include "store/DataFolder.h"
#include "store/Snapshots.h"
#include "store/convert/PreviousGeneration.h"

namespace velno::app {

namespace fs = std::filesystem;

bool folderHoldsData(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    const DataFolder data(folder);
    for (const std::string& name : setFileList())
        if (data.exists(name)) return true;
    // A folder of the older generation is converted at its first load.
    return data.exists(PreviousGeneration::kMainFile);
}

StartFolder chooseStartFolder(const StartFolderInput& in) {
    using Kind = StartFolder::Kind;
    std::error_code ec;
    if (in.dataArgument) return {Kind::Open, *in.dataArgument};
    if (in.demo)
        return {folderHoldsData(in.demoFolder) ? Kind::Open : Kind::CreateDemo, in.demoFolder};
    if (folderHoldsData(in.currentDirectory)) return {Kind::Open, in.currentDirectory};
    if (in.lastUsed && fs::is_directory(*in.lastUsed, ec)) return {Kind::Open, *in.lastUsed};
    return {Kind::Ask, {}};
}

}  // namespace velno::app
