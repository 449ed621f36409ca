#include "App.Lib.Paginate.h"

#include "App.Base.Presenter.h"
#include "App.Lib.Theme.h"

#include "FormatSettings.h"
#include "Label.h"
#include "SpeedButton.h"

#include <algorithm>

namespace {

struct TButtonLook
{
    const char16_t *Name;
    const char16_t *Style;
};

// By TPageButton.
constexpr TButtonLook buttonLooks[] = {
    { u"SpeedButtonFirst", u"arrowuptoolbutton" },
    { u"SpeedButtonPrior", u"arrowlefttoolbutton" },
    { u"SpeedButtonNext", u"arrowrighttoolbutton" },
    { u"SpeedButtonLast", u"arrowdowntoolbuttonbordered" },
};

struct TLabelLook
{
    const char16_t *Name;
    const char16_t *Text;
    bool IsCaption;
};

// By TPageLabel.
constexpr TLabelLook labelLooks[] = {
    { u"Label2", u"Página:", true },
    { u"LabelPaginacao", u"0000/0000", false },
    { u"Label3", u"Registros Listados:", true },
    { u"LabelRegistrosListados", u"0000000000", false },
    { u"Label1", u"Total Registros:", true },
    { u"LabelQuantidadeRegistros", u"0000000000", false },
};

} // namespace

TPaginateControl::TPaginateControl(TPaginate &APaginate)
    : m_paginate(APaginate)
{ }

TSpeedButton *TPaginateControl::NewButton(TPageButton AButton,
                                          QWidget *AParent,
                                          TAlignLayout AAlign,
                                          TNotifyEvent AOnClick)
{
    const TButtonLook &look = buttonLooks[std::size_t(AButton)];
    auto *result = new TSpeedButton(AParent, QString::fromUtf16(look.Name));
    result->setSize(30, 30);
    result->setAlign(AAlign);
    result->setStyleLookup(QString::fromUtf16(look.Style));
    result->OnClick = std::move(AOnClick);
    m_buttons[std::size_t(AButton)] = result;
    return result;
}

TLabel *TPaginateControl::NewLabel(TPageLabel ALabel, QWidget *AParent)
{
    const TLabelLook &look = labelLooks[std::size_t(ALabel)];
    auto *result = new TLabel(AParent, QString::fromUtf16(look.Name));
    result->setText(QString::fromUtf16(look.Text));
    m_labels[std::size_t(ALabel)] = result;
    return result;
}

void TPaginateControl::MoveTo(TPageButton AButton)
{
    int page = 1;
    switch (AButton) {
    case TPageButton::First:
        page = 1;
        break;
    case TPageButton::Prior:
        page = m_paginate.Page - 1;
        break;
    case TPageButton::Next:
        page = std::min(m_paginate.Page + 1, m_paginate.TotalPages);
        break;
    case TPageButton::Last:
        page = m_paginate.TotalPages;
        break;
    }
    m_paginate.Page = std::max(page, 1);
}

void TPaginateControl::ShowPage()
{
    const QString pagePicture = QStringLiteral("0000");
    const QString countPicture = QStringLiteral("0000000000");
    if (TLabel *page = label(TPageLabel::Page))
        page->setText(FormatFloat(pagePicture, m_paginate.Page) + u'/'
                      + FormatFloat(pagePicture, m_paginate.TotalPages));
    if (TLabel *listed = label(TPageLabel::Listed))
        listed->setText(FormatFloat(countPicture, m_paginate.CountList));
    if (TLabel *total = label(TPageLabel::Total))
        total->setText(FormatFloat(countPicture, m_paginate.TotalRegistros));
    const auto enable = [this](TPageButton AButton, bool AEnabled) {
        if (TSpeedButton *pageButton = button(AButton))
            pageButton->setEnabled(AEnabled);
    };
    enable(TPageButton::First, m_paginate.Page > 1);
    enable(TPageButton::Prior, m_paginate.Page > 1);
    enable(TPageButton::Next, m_paginate.Page < m_paginate.TotalPages);
    enable(TPageButton::Last, m_paginate.Page < m_paginate.TotalPages);
}

void TPaginateControl::ApplyTheme(const TThemeApp &ATheme)
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        TLabel *item = m_labels[i];
        if (!item)
            continue;
        item->setFontColor(ATheme.ColorApp().TextPrimaryColor);
        item->setTextFont(labelLooks[i].IsCaption ? ATheme.FontApp().PrimaryFont()
                                                  : ATheme.FontApp().TertiaryFont());
    }
}
