#pragma once

#include <QMetaType>
#include <QString>

// A place in the program a figure or a search result leads to, with the words to select there.
struct Place
{
    enum Kind {
        Nowhere,
        RulePage,     // the reader: `page` 0..24, `amended` for the text as amended in 2013
        WorkCategory, // the work area on `category` 1..5
        WorkItem,     // the work area on `category`, item tab `item` and view `view`
        TodoList,     // the to-do list; `row` 1..500 selects that row, 0 the list alone
        DecisionRegister,
        ReviewList,
        RiskRegister,
    };
    // The views of a work area item.
    enum View { NoView, ActionTaken, Comments, Policies, Specification, References, AdditionalInformation };

    Kind kind = Nowhere;
    int page = 0;
    bool amended = false;
    int category = 0;
    int item = 0;
    View view = NoView;
    int row = 0;
    // A filter the register applies (for example "High,Critical"); empty for none.
    QString filter;
    // Characters to select once there, counted as the box counts them; length 0 selects nothing.
    int start = 0;
    int length = 0;

    bool operator==(const Place &other) const = default;
};

Q_DECLARE_METATYPE(Place)
