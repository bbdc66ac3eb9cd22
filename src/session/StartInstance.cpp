#include "session/StartInstance.h"

#include <clocale>
#include <new>
#include <utility>

#include "session/SessionRules.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "store/PasswordPrompt.h"
#include "store/Snapshots.h"
#include "store/convert/PreviousGeneration.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace {

void reserveTables(CVelnoDoc& doc) {
    doc.store() = RecordStore();
    doc.remarks().clear();
}

bool anyActiveSpecialServant(const CVelnoDoc& doc) {
    const RecordStore& store = doc.store();
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        if (r.listKind == ListActive && (r.categoryBits & CategoryBit::SpecialServant)) return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> localeForLanguage(std::string_view code) {
    static constexpr std::pair<std::string_view, std::string_view> kLocales[] = {
        {"rus", "rus"},       {"urk", "rus"},       {"turkish", "turkish"}, {"french", "french"},
        {"czech", "czech"},   {"polish", "polish"}, {"hrvatski", "polish"}, {"slovenian", "polish"},
        {"slovak", "slovak"}, {"greek", "greek"},   {"dutch", "dutch"},     {"tha", "tha"},
        {"hun", "hun"},       {"lt", "lt"},         {"estonian", "et"},     {"rom", "romanian"},
        {"vie", "vie"},
    };
    for (const auto& [language, locale] : kLocales)
        if (language == code) return std::string(locale);
    return std::nullopt;
}

bool applyLanguageLocale(std::string_view code) {
    const auto locale = localeForLanguage(code);
    // Only character classification changes; a locale the machine lacks
    // leaves everything as it was.
    return locale && std::setlocale(LC_CTYPE, locale->c_str()) != nullptr;
}

std::string startupNotice() {
    return text::tr(text::TxNoticePurpose) + "  " + text::tr(text::TxNoticeNoReplacement) + "  " +
           text::tr(text::TxNoticeForms);
}

StartResult startInstance(CVelnoDoc& doc, const StartOptions& options) {
    StartResult result;
    const std::string language =
        options.languageCode.empty() ? buildLanguageCode() : options.languageCode;

    doc.dirty = false;
    doc.oldYearView = false;
    doc.oldReportView() = OldReportView{};
    doc.folder().setReadOnly(false);
    doc.folder().setPath(options.dataFolder);
    doc.reportMonth().earlyYear2 = 0;
    doc.reportMonth().earlyMonth = 0;

    doc.profile().load(doc.folder().resolve(kSettingsFileName));
    readSettings(doc.profile(), doc.settings(), language);

    // Nothing is written before the password: held with the load's writes.
    doc.folder().holdWrites();
    applyEarlyOverride(doc.profile(), doc.reportMonth(), options.today, &doc.folder());
    doc.setToday(options.today);
    doc.viewOptions().readViewOptions(doc.folder());

    if (options.setLocale) applyLanguageLocale(language);

    doc.setPreviousFormat(options.converter ? options.converter : &previousGeneration());
    doc.setRules(&programRules());

    bool loaded = false;
    try {
        if (options.reserveMemory)
            options.reserveMemory(doc);
        else
            reserveTables(doc);
        loaded = doc.loadStore(options.dataFolder);
    } catch (const std::bad_alloc&) {
        doc.prompter().tell(text::tr(text::TxCouldNotAllocate), Icon::Error);
        result.status = StartStatus::OutOfMemory;
        return result;
    }
    if (!loaded) {
        result.status = StartStatus::PasswordRefused;
        return result;
    }

    result.oldReportsMask = snapshotAvailability(doc);
    doc.hasSpecialServants = anyActiveSpecialServant(doc);
    result.hasSpecialServants = doc.hasSpecialServants;

    result.readOnlyMessage = doc.readOnlyMessage();
    if (!result.readOnlyMessage.empty() && options.tellNotice)
        doc.prompter().tell(result.readOnlyMessage, Icon::Error);
    if (doc.settings().nag == 0) {
        result.notice = startupNotice();
        if (options.tellNotice) doc.prompter().tell(result.notice, Icon::Information);
    }
    return result;
}

}  // namespace velno
