#include "cli/FolderSession.h"

#include <istream>
#include <random>
#include <system_error>

#include "cli/Cli.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace velno::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoPassword = " ";

std::string shown(const fs::path& path) {
    return path.string();
}

}  // namespace

bool hasPassword(const CVelnoDoc& doc) {
    return fieldText(doc.store().header().fname) != kNoPassword;
}

FolderSession::FolderSession(Context& context, FolderAccess access)
    : context_(context),
      access_(access),
      doc_(std::make_unique<CVelnoDoc>()),
      prompter_(context.err) {
    doc_->setPrompter(&prompter_);
    doc_->askPassword = [this](CVelnoDoc& doc) { return checkPassword(doc); };
}

FolderSession::~FolderSession() {
    // A closed run leaves no undo copy of the remarks behind.
    if (loaded_ && access_ == FolderAccess::ReadWrite)
        doc_->folder().remove(RemarkTable::kUndoFileName);
    if (!copy_.empty()) {
        std::error_code ec;
        fs::remove_all(copy_, ec);
    }
}

bool FolderSession::checkPassword(const CVelnoDoc& doc) {
    const std::string stored = fieldText(doc.store().header().fname);
    if (stored == kNoPassword) return true;
    if (!typed_) {
        refusal_ = Refusal::Missing;
        return false;
    }
    if (!typedUnstorable_ && *typed_ == stored) return true;
    refusal_ = Refusal::Wrong;
    return false;
}

int FolderSession::makePrivateCopy() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec)
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotCopyFolder), shown(folder()), ec.message()));
    std::random_device random;
    for (int attempt = 0; attempt < 100 && copy_.empty(); ++attempt) {
        const fs::path candidate =
            base / text::formatPrintf("velno-cli-%08x%08x", random(), random());
        if (fs::create_directory(candidate, ec)) copy_ = candidate;
        if (ec) break;
    }
    if (copy_.empty())
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotCopyFolder), shown(folder()), ec.message()));
    // The copy holds the congregation's personal data: owner only.
    fs::permissions(copy_, fs::perms::owner_all, fs::perm_options::replace, ec);
    fs::directory_iterator it(folder(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        fs::copy_file(it->path(), copy_ / it->path().filename(), fileError);
        if (fileError) {
            ec = fileError;
            break;
        }
    }
    if (ec)
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotCopyFolder), shown(folder()), ec.message()));
    return Ok;
}

int FolderSession::open() {
    std::error_code ec;
    const fs::file_status status = fs::status(folder(), ec);
    if (!fs::exists(status)) {
        if (ec && ec != std::errc::no_such_file_or_directory)
            return context_.fail(
                text::arg(text::tr(text::TxCliCannotReadFolder), shown(folder()), ec.message()));
        return context_.fail(text::arg(text::tr(text::TxCliFolderMissing), shown(folder())));
    }
    if (!fs::is_directory(status))
        return context_.fail(text::arg(text::tr(text::TxCliNotAFolder), shown(folder())));
    fs::directory_iterator probe(folder(), ec);
    if (ec)
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotReadFolder), shown(folder()), ec.message()));

    if (context_.options.passwordFromStdin) {
        std::string line;
        if (std::getline(context_.in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            // Text that Windows-1252 cannot hold (or that is no UTF-8) can
            // never be the stored password.
            auto converted = text::utf8ToCp1252(line);
            typed_ = converted.bytes;
            typedUnstorable_ = !converted.ok;
        }
    }

    if (access_ == FolderAccess::ReadOnly) {
        if (const int code = makePrivateCopy(); code != Ok) return code;
    }
    doc_->setToday(context_.today);
    if (!doc_->loadStore(access_ == FolderAccess::ReadOnly ? copy_ : folder())) {
        if (refusal_ == Refusal::Wrong)
            return context_.fail(text::arg(text::tr(text::TxCliPasswordWrong), shown(folder())));
        if (context_.options.passwordFromStdin)
            return context_.fail(text::tr(text::TxCliPasswordMissing));
        return context_.fail(text::arg(text::tr(text::TxCliPasswordRequired), shown(folder())));
    }
    loaded_ = true;
    return Ok;
}

}  // namespace velno::cli
