#pragma once

#include <QCoreApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/HINFO1.h"
#include "ui/preview/PrintPreview.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

// A panel of one variant in a program folder of its own, with scripted dialogs and fresh shared values.
class PanelTest : public ::testing::TestWithParam<SSPanel80::Variant>
{
protected:
    PanelTest()
    {
        HINFO1::reset();
        PrinterSettings::reset();
    }
    ~PanelTest() override
    {
        HINFO1::reset();
        PrinterSettings::reset();
    }

    std::unique_ptr<SSPanel80> makePanel(SSPanel80::Variant variant)
    {
        auto panel = std::make_unique<SSPanel80>(variant);
        panel->resize(900, 640);
        // The window becomes active with the panel hidden; "&Print" opens it later.
        panel->saveNormalLayout();
        panel->open();
        return panel;
    }

    static void renderText(SSPanel80 &panel, const QString &text)
    {
        PreviewDocument &doc = panel.VSP1->document();
        doc.discard();
        doc.startDoc();
        doc.printText(text);
        doc.endDoc();
        QCoreApplication::processEvents();
    }

    static QPushButton *command(SSPanel80 &panel, int index) { return panel.SSCommand80.at(index); }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

inline std::string variantName(const ::testing::TestParamInfo<SSPanel80::Variant> &info)
{
    switch (info.param) {
    case SSPanel80::Reader:
        return "Reader";
    case SSPanel80::WorkArea:
        return "WorkArea";
    case SSPanel80::MiscArea:
        return "MiscArea";
    }
    return "Unknown";
}

#define TESSAREL_ALL_PANELS(suite)                                                                            \
    INSTANTIATE_TEST_SUITE_P(Variants, suite,                                                                 \
                             ::testing::Values(SSPanel80::Reader, SSPanel80::WorkArea, SSPanel80::MiscArea),  \
                             variantName)
