#pragma once
// Dialog 115, the list viewer: the list-type chooser, the month or period
// chooser, the filter list, the rows PublisherLists built, the title and
// the summary line, the copy to the clipboard and the printed list.

#include <string>
#include <vector>

#include "print/ListContact.h"
#include "print/ReportContext.h"
#include "reporting/PublisherLists.h"

namespace velno {
class CVelnoDoc;
class Clipboard;
class Dialer;
class MailComposer;
}  // namespace velno

namespace velno::print {

class ListViewerModel {
public:
    ListViewerModel(const CVelnoDoc& doc, ListMode mode);

    // The list types offered, in chooser order, and their texts.
    const std::vector<ListMode>& modes() const { return modes_; }
    std::vector<std::string> modeTexts() const;
    ListMode mode() const { return query_.mode; }
    void setMode(ListMode mode);

    // The second chooser: months (mode 0), periods, or nothing.
    std::vector<std::string> secondChoices() const;
    int secondChoice() const;
    void setSecondChoice(int index);
    // The filter list: groups, baptism-year brackets, privilege kinds.
    std::vector<std::string> filterChoices() const;
    int filterChoice() const { return filter_; }
    void setFilterChoice(int index);

    const PublisherList& list() const { return list_; }
    // "%s ( %d )" when the mode has a chooser or a filter, else the text.
    std::string title() const;
    // The group's label and its overseer when a group is chosen.
    std::string summary() const;
    bool copyVisible() const { return query_.mode == ListMode::NotReporting; }
    // "Salin ke Clipboard": the rows, one a line.
    std::string clipboardText() const;
    void copy(Clipboard& clipboard) const;
    // Mode 12's "Edit": not on a month-end snapshot.
    bool editVisible() const;

    // Contacting, in the not-reporting list (and the irregular one while
    // dialing is on): the selected row's publisher, or with none selected
    // the chosen group's overseer.
    void select(int row);  // -1: none
    int selected() const { return selected_; }
    int targetPos() const;
    struct ContactButtons {
        std::string contact;  // button 286
        bool contactVisible = false;
        bool contactEnabled = false;
        std::string dial;  // button 5, when the target has more numbers
        bool dialVisible = false;
        bool nextVisible = false;  // ">>>"
    };
    ContactButtons buttons() const;
    // ">>>": the next number the target has.
    void nextNumber();
    // The contact or dial button: dials the number shown, or composes the
    // reminder. Returns what to tell the user, empty when nothing.
    std::string contact(MailComposer& mail, Dialer& dialer) const;
    // The mail the contact button composes (dialing off).
    MailMessage reminder() const;

private:
    void rebuild();
    bool dialing() const;
    bool contactOffered() const;
    int month0() const;

    const CVelnoDoc& doc_;
    std::vector<ListMode> modes_;
    ListQuery query_;
    int filter_ = 0;
    PublisherList list_;
    int selected_ = -1;
    int number_ = 0;  // into numbersOf(targetPos())
};

// A list as printed: the list header on every page and the rows,
// name-led, in the store's order.
struct PrintedList {
    std::string title;
    std::string subtitle;
    std::vector<std::string> rows;  // tab-separated fields
};
PrintedList printedList(const ListViewerModel& model);
int drawPrintedList(ReportContext& ctx, const PrintedList& list);

// The report view draws through a plain function: the list last handed
// over here is the one "Cetak" shows and prints.
void setListToPrint(PrintedList list);
int drawListToPrint(ReportContext& ctx);

}  // namespace velno::print
