#include "store/SelectFolderModel.h"

#include <system_error>

#include "store/Prompter.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

std::string orFallback(int id, int fallback) {
    const std::string& s = text::tr(id);
    return s.empty() ? text::tr(fallback) : s;
}

}  // namespace

SelectFolderModel::SelectFolderModel(std::string initial) : field_(std::move(initial)) {}

std::string SelectFolderModel::title() const {
    return orFallback(text::TxSelectFolderTitle, text::TxSelectFolderFallback);
}

std::string SelectFolderModel::fieldCaption() const {
    return orFallback(text::TxCurrentFolder, text::TxCurrentFolderFallback);
}

std::string SelectFolderModel::okText() const {
    return text::tr(text::TxSelectButton);
}

SelectFolderModel::Outcome SelectFolderModel::confirm(Prompter& prompter,
                                                      std::string_view shownFolder) {
    std::string path = field_.empty() ? std::string(shownFolder) : field_;

    // A doubled separator is a typing slip; only a network path may start
    // with one.
    const std::string doubled(2, kSeparator);
    if (path.size() > 2 && path.find(doubled, 2) != std::string::npos) {
        prompter.tell(text::tr(text::TxInvalidFolder), Icon::Error);
        return Outcome::StayOpen;
    }
    if (path.size() > 1 && path.back() == kSeparator) path.pop_back();
    if (path.empty()) {
        prompter.tell(text::tr(text::TxInvalidFolder), Icon::Error);
        return Outcome::StayOpen;
    }
    // A relative path is taken from the folder on show, not from wherever
    // the program happens to run.
    fs::path folder(path);
    if (folder.is_relative() && !shownFolder.empty()) folder = fs::path(shownFolder) / folder;
    path = folder.string();

    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        const Answer answer = prompter.ask(text::arg(text::tr(text::TxFolderDoesNotExist), path),
                                           Buttons::YesNo, Answer::Yes, Icon::Question);
        if (answer == Answer::Yes) {
            fs::create_directories(folder, ec);
            if (!fs::is_directory(folder, ec)) {
                prompter.tell(text::arg(text::tr(text::TxCouldNotCreateFolder), path), Icon::Error);
                return Outcome::StayOpen;
            }
        }
    }
    result_ = path;
    if (result_.back() != kSeparator) result_ += kSeparator;
    field_ = path;
    return Outcome::Accepted;
}

}  // namespace velno
