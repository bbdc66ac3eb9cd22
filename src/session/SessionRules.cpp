#include "session/SessionRules.h"

#include "reporting/TallyMonth.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "store/PasswordPrompt.h"

namespace velno {

namespace {

class SessionRules final : public DocumentRules {
public:
    SessionRules(bool asksPassword, bool writesSettings)
        : asksPassword_(asksPassword), writesSettings_(writesSettings) {}

    bool admit(CVelnoDoc& doc) const override { return !asksPassword_ || askPassword(doc, false); }
    void loaded(CVelnoDoc& doc) const override { TallyMonth(doc); }
    // The history of an open month is written with the records.
    void beforeSave(CVelnoDoc& doc) const override { TallyMonth(doc); }
    FileResult writeSettings(CVelnoDoc& doc) const override {
        return writesSettings_ ? velno::writeSettings(doc) : FileResult{};
    }

private:
    bool asksPassword_;
    bool writesSettings_;
};

}  // namespace

const DocumentRules& programRules() {
    static const SessionRules rules(true, true);
    return rules;
}

const DocumentRules& tallyRules() {
    static const SessionRules rules(false, false);
    return rules;
}

}  // namespace velno
