#pragma once
// What the commands of the menus and the ActionPanel reach: the main window
// implements it; the command table routes each command id to one of these.

#include "print/ReportFonts.h"

namespace velno::app {

enum class HelpTopic { Contents, Index, Context };

class Shell {
public:
    virtual ~Shell() = default;

    // The report view.
    virtual void showReport(int kind) = 0;
    virtual void returnToPanel() = 0;
    virtual void print() = 0;
    virtual void printPreview() = 0;
    virtual void printSetup() = 0;
    virtual void exportPdf() = 0;
    virtual void chooseFont(print::FontRole role, int captionText) = 0;
    virtual void resetFontsHighResolution() = 0;

    // The document.
    virtual void save() = 0;
    virtual void reportFormat() = 0;
    virtual void changePassword() = 0;
    virtual void openOldReport(int monthsBack) = 0;
    virtual void returnToLiveData() = 0;
    virtual void clearLateReports() = 0;
    virtual void exit() = 0;

    // Monthly reporting.
    virtual void enterReports() = 0;
    virtual void meetingAttendance() = 0;
    virtual void quickView() = 0;
    virtual void editHistory() = 0;
    virtual void yearActivitySummary() = 0;
    virtual void pioneerHoursYear() = 0;
    virtual void yearAttendance() = 0;
    virtual void toggleStartupNotice() = 0;

    // Publisher records.
    virtual void editPublishers() = 0;
    virtual void enrolAuxiliaryPioneers() = 0;
    virtual void enrolRegularPioneers() = 0;
    virtual void toggleAutoCaps() = 0;
    virtual void toggleSortByFirstName() = 0;

    // Help and about.
    virtual void help(HelpTopic topic) = 0;
    virtual void about() = 0;
};

}  // namespace velno::app
