#include "reporting/StartCollectionModel.h"

#include "reporting/CollectionState.h"
#include "reporting/MonthPhrase.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace {

constexpr int kAdviceAfterDay = 20;
constexpr int kProposalUntilDay = 7;
constexpr int kUsualStartUntilDay = 5;
constexpr int kEarlyStartFromDay = 25;

std::string nameOf(int stamp) {
    return text::monthName(month0OfStamp(stamp));
}

}  // namespace

StartCollectionModel::StartCollectionModel(CVelnoDoc& doc)
    : doc_(doc),
      language_(interfaceLanguage()),
      savedStamp_(doc.reportMonth().reportStamp),
      day_(doc.reportMonth().todayDay) {}

int StartCollectionModel::state(int stamp) const {
    return collectionState(doc_, month0OfStamp(stamp));
}

bool StartCollectionModel::initialised(int stamp) const {
    if (state(stamp) == Collection::NotInitialised) return false;
    const int slot = monthSlot(month0OfStamp(stamp), parityOfYear(yearOfStamp(stamp)));
    return doc_.header().initYear(slot) == yearToByte(yearOfStamp(stamp));
}

void StartCollectionModel::setState(int stamp, int value) {
    doc_.header().setCollectionState(month0OfStamp(stamp), static_cast<std::uint8_t>(value));
}

std::string StartCollectionModel::title() const {
    return text::tr(text::TxStartTitle);
}

bool StartCollectionModel::adviceVisible() const {
    return day_ > kAdviceAfterDay;
}

std::string StartCollectionModel::adviceButtonText() const {
    return text::tr(text::TxAdviceButton);
}

void StartCollectionModel::showAdvice() {
    doc_.prompter().tell(text::tr(text::TxAdviceMessage), Icon::Information);
}

bool StartCollectionModel::proposesPreviousMonth() const {
    return !initialised(savedStamp_) && state(savedStamp_ - 1) == Collection::Open &&
           day_ <= kProposalUntilDay;
}

bool StartCollectionModel::reopenVisible() const {
    // A closed month whose slot still holds an older year's reports has
    // nothing to continue.
    return (state(savedStamp_) == Collection::Closed && initialised(savedStamp_)) ||
           proposesPreviousMonth();
}

std::string StartCollectionModel::reopenText() const {
    const int stamp = proposesPreviousMonth() ? savedStamp_ - 1 : savedStamp_;
    return text::arg(text::tr(text::TxReopenFor), nameOf(stamp));
}

std::string StartCollectionModel::initialiseText() const {
    const int id = initialised(savedStamp_) ? text::TxReinitializeFor : text::TxInitializeFor;
    return text::arg(text::tr(id), nameOf(savedStamp_));
}

bool StartCollectionModel::earlyStartTime() const {
    return day_ >= kEarlyStartFromDay && doc_.reportMonth().earlyYear2 == 0;
}

bool StartCollectionModel::earlyStartVisible() const {
    return earlyStartTime() && state(savedStamp_) != 1;
}

std::string StartCollectionModel::earlyStartText() const {
    return text::arg(text::tr(text::TxInitializeFor), nameOf(savedStamp_ + 1));
}

StartButton StartCollectionModel::defaultButton() const {
    return reopenVisible() ? StartButton::Reopen : StartButton::Initialise;
}

bool StartCollectionModel::pressReopen() {
    if (!reopenVisible()) return false;
    const int stamp = proposesPreviousMonth() ? savedStamp_ - 1 : savedStamp_;
    setState(stamp, 1);
    doc_.dirty = true;
    choice_ = StartChoice{stamp, false};
    return true;
}

bool StartCollectionModel::confirmUnusualStart(int stamp, bool early) {
    if (day_ <= kUsualStartUntilDay || (!initialised(stamp) && !early)) return true;
    const std::string question =
        text::arg(text::tr(text::TxUnusualStart), monthInPhrase(month0OfStamp(stamp), language_),
                  nameOf(stamp));
    return doc_.prompter().ask(question, Buttons::OkCancel, Answer::Cancel, Icon::Question) ==
           Answer::Ok;
}

void StartCollectionModel::acceptInitialise(int stamp) {
    setState(stamp, 0);
    setState(stamp + 1, 0);
    setState(stamp, 1);
    choice_ = StartChoice{stamp, true};
}

bool StartCollectionModel::pressInitialise() {
    if (!confirmUnusualStart(savedStamp_, false)) return false;
    acceptInitialise(savedStamp_);
    return true;
}

bool StartCollectionModel::pressEarlyStart() {
    if (!earlyStartVisible()) return false;
    const int next = savedStamp_ + 1;
    // Asked before anything changes, so that refusing leaves no trace.
    if (!confirmUnusualStart(next, true)) return false;
    setState(next, 0);
    // The override names the month after the one started: the ReportMonth
    // is always the month before "today".
    ReportMonth& month = doc_.reportMonth();
    month.earlyYear2 = (next + 1) / 12;
    month.earlyMonth = month0OfStamp(next + 1) + 1;
    acceptInitialise(next);
    return true;
}

bool startDialogNeeded(const CVelnoDoc& doc) {
    return reportMonthState(doc) != Collection::Open;
}

void switchReportMonth(CVelnoDoc& doc, int stamp) {
    ReportMonth& month = doc.reportMonth();
    if (stamp == month.reportStamp) return;
    doc.lateReports().writeMarks(doc.store(), month);
    month.setStamp(stamp);
    doc.lateReports().rebuild(doc.store(), month);
    const PublisherRecord& head = doc.store().header();
    doc.documentCounter =
        (head.categoryBits & HeaderField::SavedMonthMask) == month.reportMonth0 + 1 ? head.markStamp
                                                                                    : 0;
    doc.sortAndIndex();
    TallyMonth(doc);
}

StartOutcome finishStartDialog(CVelnoDoc& doc, const StartCollectionModel& model) {
    StartOutcome out;
    if (const auto& choice = model.choice()) {
        out.accepted = true;
        out.monthChanged = choice->stamp != doc.reportMonth().reportStamp;
        switchReportMonth(doc, choice->stamp);
        if (choice->initialise) {
            const ReportMonth& month = doc.reportMonth();
            out.initialisation = InitialiseMonth(doc, month.reportMonth0, month.parity());
            out.initialised = true;
        }
        TallyMonth(doc);
        out.openReportList = reportMonthState(doc) != Collection::NotInitialised;
    }
    out.statusText = StatusText(doc);
    return out;
}

std::string StatusText(const CVelnoDoc& doc) {
    return text::arg(text::tr(text::TxStatusMonth),
                     text::monthName(doc.reportMonth().reportMonth0));
}

}  // namespace velno
