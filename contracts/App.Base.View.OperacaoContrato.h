#pragma once

#include "App.Base.Form.View.h"
#include "App.Base.Presenter.h"

#include <QString>

#include <functional>
#include <memory>

class TLabel;
class TLayout;
class TMemo;
class TRectangle;

// The frame of the views that change a contract outside its registration window (closing
// reason, last-billing date): bound controls placed in LayoutCampos, a "Gravar" button that asks
// "QUESTION:Confirma gerar <operation>?" and runs the operation on a worker behind a wait screen
// and the busy indicator. A descendant builds its controls in its constructor, creates its
// binding-only presenter in createPresenter, binds the controls in fillListControl and writes
// RectangleGravarClick.
class TFormBaseViewOperacaoContrato : public TFormBaseView
{
public:
    ~TFormBaseViewOperacaoContrato() override;

    TLayout *LayoutCampos;
    TRectangle *RectangleGravar;
    TLabel *LabelGravar;

    TBasePresenter &Presenter() const { return *FPresenter; }

protected:
    TFormBaseViewOperacaoContrato(const QString &AClassName, QWidget *AParent);

    // The presenter is created and the controls bound; the bound controls are cleared, so
    // their defaults (today's date) show.
    void FormCreate() override;

    virtual std::unique_ptr<TBasePresenter> createPresenter() = 0;
    virtual void fillListControl() = 0;
    virtual void RectangleGravarClick() = 0;

    // "QUESTION:Confirma gerar <AOperacao>?" answered yes.
    static bool confirmar(const QString &AOperacao);

    std::unique_ptr<TBasePresenter> FPresenter;
};
