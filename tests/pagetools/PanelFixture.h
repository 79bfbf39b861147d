#pragma once

#include <QCoreApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/ProgramState.h"
#include "ui/preview/PrintPreview.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

// A panel of one variant in a program folder of its own, with scripted dialogs and fresh shared values.
class PanelTest : public ::testing::TestWithParam<PreviewPanel::Variant>
{
protected:
    PanelTest()
    {
        ProgramState::reset();
        PrinterSettings::reset();
    }
    ~PanelTest() override
    {
        ProgramState::reset();
        PrinterSettings::reset();
    }

    std::unique_ptr<PreviewPanel> makePanel(PreviewPanel::Variant variant)
    {
        auto panel = std::make_unique<PreviewPanel>(variant);
        panel->resize(900, 640);
        // The window becomes active with the panel hidden; "&Print" opens it later.
        panel->saveNormalLayout();
        panel->open();
        return panel;
    }

    static void renderText(PreviewPanel &panel, const QString &text)
    {
        PreviewDocument &doc = panel.printPreview->document();
        doc.discard();
        doc.startDoc();
        doc.printText(text);
        doc.endDoc();
        QCoreApplication::processEvents();
    }

    static QPushButton *command(PreviewPanel &panel, int index) { return panel.pageCommands.at(index); }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

inline std::string variantName(const ::testing::TestParamInfo<PreviewPanel::Variant> &info)
{
    switch (info.param) {
    case PreviewPanel::Reader:
        return "Reader";
    case PreviewPanel::WorkArea:
        return "WorkArea";
    case PreviewPanel::MiscArea:
        return "MiscArea";
    }
    return "Unknown";
}

#define TESSAREL_ALL_PANELS(suite)                                                                           \
    INSTANTIATE_TEST_SUITE_P(                                                                                \
        Variants, suite,                                                                                     \
        ::testing::Values(PreviewPanel::Reader, PreviewPanel::WorkArea, PreviewPanel::MiscArea),             \
        variantName)
