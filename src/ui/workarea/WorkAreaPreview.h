#pragma once

#include <QObject>
#include <memory>

#include "ui/preview/PreviewPanel.h"

class ReferenceReport;
class ReferenceViews;
class WorkAreaWindow;

// The work area's print preview panel in its three modes: the status report of the overview, the entry
// shown in entryEditor, and the reference report of the item shown. The panel is in status mode exactly when
// print option 0 reads "All Safeguards".
class WorkAreaPreview : public QObject
{
    Q_OBJECT

public:
    // The next print-option click only resets the flag when it holds this value.
    static constexpr qint16 SuppressClick = 88;

    explicit WorkAreaPreview(WorkAreaWindow &window);
    ~WorkAreaPreview() override;

    qint16 suppressNextClick = 0;

    // printOverviewButton, and printAction on the overview: the status report.
    void printOverviewClicked();
    // printButton, and printAction elsewhere: the entry or the reference report.
    void printClicked();
    // A change of print option `index`, by the user or by the program.
    void printOptionClicked(int index);

    bool statusMode() const;

private:
    void buildStatusReport();
    void printEntry();
    void buildReferenceReport();
    void rerender(PreviewPanel::RenderCause cause);
    void showStatusFont();
    bool entryShown() const;
    // The tab caption of the item shown, for the document's title.
    QString itemName() const;
    void setCaptions(const QStringList &captions);
    void setChecked(int index, bool on);

    WorkAreaWindow &m_window;
    PreviewPanel &m_panel;
    std::unique_ptr<ReferenceViews> m_views;
    std::unique_ptr<ReferenceReport> m_report;
    bool m_opening = false;
    bool m_clearing = false; // the options are being cleared for a new document
};
