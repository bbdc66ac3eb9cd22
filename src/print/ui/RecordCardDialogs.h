#pragma once
// The Qt views of the record-card viewer (dialog 117) and the card
// preferences (dialog 153). The rules are in RecordCardViewerModel.

#include <QDialog>
#include <functional>

#include "print/RecordCardViewerModel.h"
#include "print/ReportFonts.h"
#include "store/Calendar.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno::print {

class CardPreferencesDialog : public QDialog {
    Q_OBJECT
public:
    CardPreferencesDialog(CardPreferencesModel& model, QWidget* parent);

private:
    void take();
    CardPreferencesModel& model_;
    QCheckBox* hideAverages_[2];
    QCheckBox* hideTotals_[2];
    QCheckBox* showGroups_;
    QCheckBox* onePerPage_;
    QCheckBox* hideBirth_;
};

class RecordCardViewerDialog : public QDialog {
    Q_OBJECT
public:
    struct Services {
        CVelnoDoc* doc = nullptr;
        ReportFonts fonts;
        CalendarDate today;
        // The publisher editor on a store position; empty hides "&Edit".
        std::function<void(int pos)> edit;
    };
    RecordCardViewerDialog(RecordCardViewerModel& model, Services services, QWidget* parent);

    // The preview of the card on show (upper card position), for tests.
    QImage preview() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void drawPreview();
    void showPreview();
    void printJob(const CardJob& job);
    void printSome();
    void writeFile(bool inactive);
    void preferences();

    RecordCardViewerModel& model_;
    Services services_;
    QListWidget* list_;
    QLabel* previewLabel_;
    QImage card_;
    QCheckBox* previous_;
    QCheckBox* inactive_;
    QCheckBox* total_;
    QPushButton* printThis_;
    QPushButton* edit_;
    bool choosingPrinter_ = false;
};

}  // namespace velno::print
