#pragma once

#include "App.Base.View.OperacaoContrato.h"

class TDateEdit;
class TEdit;
class TLabel;
class TMemo;

// Changes the date of the last charge paid of every active plan of one contract, with a
// justification the back end records. Opened from the menu by class name; it stays open for the
// next contract, cleared after each accepted change and keeping the values after a refusal.
// Nothing is checked before sending: the back end judges an empty contract, date or text.
class TFormViewAlterarDataUltimaCobranca final : public TFormBaseViewOperacaoContrato
{
public:
    explicit TFormViewAlterarDataUltimaCobranca(QWidget *AParent = nullptr);

    TLabel *LabelContrato;
    TEdit *EditContrato;
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelJustificativa;
    TMemo *MemoJustificativa;

    void RectangleGravarClick() override;

protected:
    std::unique_ptr<TBasePresenter> createPresenter() override;
    void fillListControl() override;
};
