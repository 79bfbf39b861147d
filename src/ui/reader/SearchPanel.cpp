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
    prompt = new QLabel(QStringLiteral("  Enter Word(s) for Search"), this);
    prompt->setObjectName(QStringLiteral("Panel3D3Caption"));
    searchText = new QLineEdit(this);
    searchText->setObjectName(QStringLiteral("Text1"));
    prompt->setBuddy(searchText);
    searchButton = new QPushButton(QStringLiteral("&Search"), this);
    searchButton->setObjectName(QStringLiteral("Command5"));
    closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("Command6"));
    for (QPushButton *button : {searchButton, closeButton})
        button->setAutoDefault(false);
    row->addWidget(prompt);
    row->addWidget(searchText, 1);
    row->addWidget(searchButton);
    row->addWidget(closeButton);

    connect(searchButton, &QPushButton::clicked, this, &SearchPanel::searchClicked);
    connect(closeButton, &QPushButton::clicked, this, &SearchPanel::closeClicked);
    connect(searchText, &QLineEdit::textChanged, this, &SearchPanel::searchTextChanged);
    connect(&m_page, &RichTextBox::Click, this, &SearchPanel::pageClicked);
}

void SearchPanel::toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    show();
    SearchStart = 1;
    searchText->clear();
    searchText->setFocus();
}

void SearchPanel::searchClicked()
{
    m_page.setHideSelection(false);
    step();
    QCoreApplication::processEvents();
    searchButton->setFocus();
}

void SearchPanel::closeClicked()
{
    m_page.setHideSelection(true);
    hide();
}

void SearchPanel::searchTextChanged()
{
    SearchStart = 1;
}

void SearchPanel::pageClicked()
{
    SearchStart = m_page.SelStart();
}

void SearchPanel::step()
{
    const QString words = searchText->text();
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
