#include "exchange/ExportFilesWarningModel.h"

#include "store/CVelnoDoc.h"
#include "store/DataFolder.h"
#include "store/ExportsFolder.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace {

std::vector<std::string> deleteFiles(const DataFolder& folder,
                                     const std::vector<std::string>& names) {
    std::vector<std::string> failures;
    for (const std::string& name : names) {
        if (!folder.exists(name)) continue;
        const FileResult r = folder.remove(name);
        if (!r)
            failures.push_back(text::arg(text::tr(text::TxCannotDeleteExportFile),
                                         folder.resolve(name).string(), r.reason));
    }
    return failures;
}

void append(std::vector<std::string>& to, std::vector<std::string> more) {
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace

ExportFilesWarningModel::ExportFilesWarningModel(const DataFolder& folder) : folder_(folder) {
    // Both endings of a month are listed: either file holds the month's reports.
    for (int m = 0; m < 12; ++m)
        for (const char* ending : {".csv", ".rpt"}) {
            const std::string name = text::tr(text::MonthJanuary + m) + ending;
            if (folder.exists(name)) files_.push_back(name);
        }
    monthFiles_ = static_cast<int>(files_.size());
    if (monthFiles_ > 0 && folder.exists(text::tr(text::TxPublistFile)))
        files_.push_back(text::tr(text::TxPublistFile));
    selected_.assign(files_.size(), true);
}

std::string ExportFilesWarningModel::title() const {
    return text::tr(text::TxExportFilesTitle);
}

std::string ExportFilesWarningModel::text() const {
    return text::tr(text::TxExportFilesText);
}

bool ExportFilesWarningModel::isSelected(int row) const {
    return row >= 0 && row < static_cast<int>(selected_.size()) && selected_[row];
}

void ExportFilesWarningModel::setSelected(int row, bool selected) {
    if (row >= 0 && row < static_cast<int>(selected_.size())) selected_[row] = selected;
}

std::vector<std::string> ExportFilesWarningModel::accept() {
    std::vector<std::string> chosen;
    for (std::size_t k = 0; k < files_.size(); ++k)
        if (selected_[k]) chosen.push_back(files_[k]);
    std::vector<std::string> failures = deleteFiles(folder_, chosen);
    append(failures, removeUnprotectedExports(folder_));
    return failures;
}

std::vector<std::string> ExportFilesWarningModel::cancel() {
    return removeUnprotectedExports(folder_);
}

std::vector<std::string> removeUnprotectedExports(const DataFolder& folder) {
    using namespace text;
    return deleteFiles(folder, {tr(TxContactExportFile), tr(TxEmergencyExportFile),
                                tr(TxCardHeaderExportFile), tr(TxPublistFile)});
}

void runExportFilesWarning(CVelnoDoc& doc,
                           const std::function<bool(ExportFilesWarningModel&)>& showDialog) {
    // A folder that could not be read whole gets nothing changed in it.
    if (doc.isReadOnly()) return;
    // While a snapshot is open the live folder is still the data folder.
    DataFolder live;
    const DataFolder* folder = &doc.folder();
    if (doc.oldYearView) {
        live.setPath(exportsFolder(doc).parent_path());
        folder = &live;
    }
    ExportFilesWarningModel model(*folder);
    const bool ok = model.needsDialog() && showDialog && showDialog(model);
    for (const std::string& failure : ok ? model.accept() : model.cancel())
        doc.prompter().tell(failure, Icon::Warning);
}

}  // namespace velno
