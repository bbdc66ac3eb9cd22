// Screenshots of the publisher-record dialogs, left in the build folder
// (tests/artefacts) to be looked at, and a check that no control of the
// record editor lies on top of another.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "publishers/AddPublisherModel.h"
#include "publishers/DeletePublisherModel.h"
#include "publishers/PioneerEnrolmentModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherListPickerModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/ui/AddPublisherDialog.h"
#include "publishers/ui/DeletePublisherDialog.h"
#include "publishers/ui/PioneerEnrolmentDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/PublisherListPickerDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"

namespace velno {
namespace {

// Visible controls whose frames overlap, by name, for the failure message.
std::vector<std::string> overlaps(QWidget& dialog) {
    std::vector<QWidget*> controls;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->parentWidget() != &dialog) continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QLabel*>(w) || qobject_cast<QComboBox*>(w) ||
            w->inherits("velno::DateListsEdit"))
            controls.push_back(w);
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                out.push_back(controls[i]->metaObject()->className() + std::string(" ") +
                              controls[i]->property("text").toString().toStdString() + " / " +
                              controls[j]->property("text").toString().toStdString());
    return out;
}

TEST(PublisherScreenshots, EveryDialog) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();

    PublisherSelectModel list(doc);
    {
        PublisherSelectDialog dialog(list);
        test::saveScreenshot(dialog, "dialog136-publisher-list");
        EXPECT_TRUE(test::textsCutOff(dialog).empty());
    }
    {
        AddPublisherModel model(doc);
        AddPublisherDialog dialog(model);
        test::saveScreenshot(dialog, "dialog138-add-publisher");
        EXPECT_TRUE(test::textsCutOff(dialog).empty());
        PublisherListPickerModel picker = model.picker(AddChoice::Promote);
        PublisherListPickerDialog pickerDialog(picker);
        test::saveScreenshot(pickerDialog, "dialog140-list-picker");
    }
    {
        list.select(3);
        auto model = list.openEditor();
        model->setChecked(EditCheck::Consent, true);
        PublisherEditDialog dialog(*model);
        test::saveScreenshot(dialog, "dialog139-edit-publisher");
        const auto over = overlaps(dialog);
        EXPECT_TRUE(over.empty()) << over.front();
        const auto cut = test::textsCutOff(dialog);
        EXPECT_TRUE(cut.empty()) << cut.front();

        // The group picker of the group button.
        test::onNextModal([](QWidget* input) {
            const QImage image = input->grab().toImage();
            EXPECT_TRUE(image.save(test::artefactFolder() + "/dialog142-group-picker.png"));
            EXPECT_TRUE(test::textsCutOff(*input).empty());
            QTest::keyClick(input, Qt::Key_Escape);
        });
        dialog.button(EditButton::Group)->click();

        DeletePublisherModel del = model->deleteDialog();
        del.setKind(DeleteKind::Temporary);
        DeletePublisherDialog delDialog(del);
        test::saveScreenshot(delDialog, "dialog149-delete-publisher");
        EXPECT_TRUE(test::textsCutOff(delDialog).empty());
    }
    {
        auto model = list.openAddEditor();
        PublisherEditDialog dialog(*model);
        test::saveScreenshot(dialog, "dialog139-add-mode");
    }
    {
        PioneerEnrolmentModel model(doc, EnrolmentMode::Regular);
        PioneerEnrolmentDialog dialog(model);
        test::saveScreenshot(dialog, "dialog111-regular-pioneers");
        EXPECT_TRUE(test::textsCutOff(dialog).empty());
    }
}

}  // namespace
}  // namespace velno
