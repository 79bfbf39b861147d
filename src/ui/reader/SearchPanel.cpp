#include "ui/reader/SearchPanel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"

SearchPanel::SearchPanel(RichTextBox &page, QWidget *parent) : QFrame(parent), m_page(page)
{
    setObjectName(QStringLiteral("Panel3D3"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    Label2 = new QLabel(QStringLiteral("  Enter Word(s) for Search"), this);
    Label2->setObjectName(QStringLiteral("Panel3D3Caption"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label2->setBuddy(Text1);
    Command5 = new QPushButton(QStringLiteral("&Search"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command6 = new QPushButton(QStringLiteral("&Close"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    for (QPushButton *button : {Command5, Command6})
        button->setAutoDefault(false);
    row->addWidget(Label2);
    row->addWidget(Text1, 1);
    row->addWidget(Command5);
    row->addWidget(Command6);

    connect(Command5, &QPushButton::clicked, this, &SearchPanel::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &SearchPanel::Command6_Click);
    connect(Text1, &QLineEdit::textChanged, this, &SearchPanel::Text1_Change);
    connect(&m_page, &RichTextBox::Click, this, &SearchPanel::RText2_Click);
}

void SearchPanel::toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    show();
    SearchStart = 1;
    Text1->clear();
    Text1->setFocus();
}

void SearchPanel::Command5_Click()
{
    m_page.setHideSelection(false);
    step();
    QCoreApplication::processEvents();
    Command5->setFocus();
}

void SearchPanel::Command6_Click()
{
    m_page.setHideSelection(true);
    hide();
}

void SearchPanel::Text1_Change()
{
    SearchStart = 1;
}

void SearchPanel::RText2_Click()
{
    SearchStart = m_page.SelStart();
}

void SearchPanel::step()
{
    const QString words = Text1->text();
    FoundPosition = m_page.Find(words, SearchStart, -1, RichTextBox::FindWholeWord);
    if (FoundPosition > 0) {
        SearchStart = FoundPosition + int(words.size());
        return;
    }
    Dialogs::current().messageBox(QStringLiteral("Search has reached the end of the document."),
                                  Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Search Document"));
    m_page.setSelStart(1);
    SearchStart = 1;
    m_page.setFocus();
}
